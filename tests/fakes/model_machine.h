#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "hardware/hardware_io.h"
#include "machine_profile.h"

struct PorvikModel;

namespace veltra::fakes {

// A small PC as the I/O driver sees it: physical memory regions, PCI configuration space
// (absent functions read 0xFFFFFFFF), and an SMBus whose dual-BIOS controller (slave 0x4B,
// command 2) answers a status byte. It is a machine profile answered by the simulated I/O
// driver's own model, so the native tests and the Wine tests meet one PC; reads of
// memory it does not serve fail (a profile's machine does as its profile says).
class ModelMachine final : public IHardwareIo {
public:
    ModelMachine();
    // The machine of a profile file (docs/machine-profile.md), as the simulated driver
    // serves it; throws when the file cannot be read or parsed.
    static ModelMachine FromProfile(const std::filesystem::path& path);
    ~ModelMachine() override;
    ModelMachine(ModelMachine&&) noexcept;
    ModelMachine& operator=(ModelMachine&&) noexcept;

    // Memory: bytes served from `address` on.
    void AddMemory(std::uint32_t address, std::vector<std::uint8_t> bytes);
    void PutText(std::uint32_t address, std::string_view text);  // into served memory

    // PCI: a function with its id, class (base class and subclass) and subsystem vendor.
    void AddPciFunction(std::uint32_t bus, std::uint32_t device, std::uint32_t function, std::uint16_t vendor,
                        std::uint16_t deviceId, std::uint16_t classValue, std::uint16_t subsystemVendor = 0);
    void SetPciRegister(std::uint32_t bus, std::uint32_t device, std::uint32_t function, std::uint32_t offset,
                        std::uint32_t value);
    // Sets the multi-function bit of function 0's header type: functions 1 to 7 are probed.
    void SetMultiFunction(std::uint32_t bus, std::uint32_t device);
    // A PCI-to-PCI bridge (class 0x0604, header layout 1) with its secondary and subordinate bus.
    void AddPciBridge(std::uint32_t bus, std::uint32_t device, std::uint32_t function, std::uint8_t secondary,
                      std::uint8_t subordinate);

    // The SMBus host controller's I/O base and the dual-BIOS controller's status byte.
    void SetSmbus(std::uint16_t base, std::uint8_t dualBiosStatus);

    // The driver's model of the machine built so far; building more starts it afresh.
    PorvikModel& Driver();

    // What the program did.
    std::vector<std::pair<std::uint16_t, std::uint8_t>> portWrites;
    std::vector<std::uint16_t> portReads;
    int pciReads = 0;
    int memoryReads = 0;

    std::size_t ReadMemory(std::uint32_t physicalAddress, std::uint32_t unitSize, std::uint32_t unitCount,
                           std::uint8_t* destination) override;
    std::uint32_t ReadPciConfigDword(std::uint32_t bus, std::uint32_t device, std::uint32_t function,
                                     std::uint32_t offset) override;
    std::uint8_t ReadPortByte(std::uint16_t port) override;
    void WritePortByte(std::uint16_t port, std::uint8_t value) override;

private:
    std::array<std::uint8_t, 256>& Config(std::uint32_t bus, std::uint32_t device, std::uint32_t function);

    profile::MachineProfile profile_;
    std::vector<std::uint8_t> compiled_;
    std::unique_ptr<PorvikModel> driver_;
};

}  // namespace veltra::fakes
