#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "hardware/hardware_io.h"

namespace veltra::fakes {

// A small model of a PC as the I/O driver sees it: physical memory regions, PCI
// configuration space per bus/device/function (absent functions read 0xFFFFFFFF), and an
// SMBus host controller whose read-byte-data transaction to the dual-BIOS controller
// (slave 0x4B, command 2) answers a status byte.
class ModelMachine final : public IHardwareIo {
public:
    // Memory: bytes served from `address` on; reads touching any unserved byte fail.
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
    using PciAddress = std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>;
    std::uint8_t* ServedByte(std::uint64_t address);  // null where no memory is served
    void RunSmbusTransaction();

    std::map<std::uint32_t, std::vector<std::uint8_t>> memory_;
    std::map<PciAddress, std::array<std::uint32_t, 64>> pci_;
    std::uint16_t smbusBase_ = 0;
    std::uint8_t dualBiosStatus_ = 0;
    std::array<std::uint8_t, 8> smbusRegisters_{};
};

}  // namespace veltra::fakes
