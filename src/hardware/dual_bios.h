#pragma once
#include <cstdint>

namespace veltra {

class IClock;
class IMessageBox;
class PciBus;

inline constexpr char16_t kSecondBiosMessage[] =
    u"You are currently using the second BIOS ROM, NORVA strongly recommend you to update your BIOS via NORVA "
    u"Veltra.";

// Asks the dual-BIOS controller on the SMBus which ROM the board booted from.
class DualBios {
public:
    explicit DualBios(PciBus& pci) : pci_(pci) {}
    virtual ~DualBios() = default;
    DualBios(const DualBios&) = delete;
    DualBios& operator=(const DualBios&) = delete;

    // The first SMBus controller (class 0x0C05).
    bool FindSmbusController(std::uint32_t& bus, std::uint32_t& device, std::uint32_t& function);
    // Finds the controller and keeps its I/O base; 0 when there is none or its base
    // register holds no usable I/O address.
    void GetSmbusBase();
    std::uint32_t SmbusBase() const { return smbusBase_; }
    // One read-byte-data transaction (command 2) to the controller at slave address 0x4B.
    std::uint8_t ReadStatus(IClock& clock);

private:
    PciBus& pci_;
    std::uint32_t smbusBase_ = 0;
};

// Bit 2 or 3 of the status byte: the board runs from its second ROM.
bool IsSecondBiosRom(std::uint8_t status);

// The first step of the main set-up: tells the user when the board booted from its second
// ROM. Without an SMBus controller no port is touched.
void CheckDualBios(PciBus& pci, IClock& clock, IMessageBox& messageBox);

}  // namespace veltra
