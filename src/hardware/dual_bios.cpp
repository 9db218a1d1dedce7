#include "hardware/dual_bios.h"

#include "hardware/hardware_io.h"
#include "hardware/pci_walk.h"
#include "platform/clock.h"
#include "platform/message_box.h"

namespace veltra {
namespace {

constexpr std::uint32_t kIoSpaceIndicator = 1;
constexpr std::uint32_t kHighestPortBase = 0xFFFF - 5;  // all six host registers must be 16-bit ports

struct PortWrite {
    std::uint16_t offset;
    std::uint8_t value;
};

// Clear the host status, command 2, slave 0x4B reading, clear data 0, start byte-data.
constexpr PortWrite kReadByteDataTransaction[] = {{0, 0xFF}, {3, 0x02}, {4, 0x97}, {5, 0x00}, {2, 0x48}};
constexpr std::uint16_t kData0Offset = 5;
constexpr unsigned kTransactionWaitMs = 10;

}  // namespace

bool DualBios::FindSmbusController(std::uint32_t& bus, std::uint32_t& device, std::uint32_t& function) {
    const auto found = WalkPci(pci_, [](const PciFunction& f) { return f.ClassValue() == kPciClassSmbus; });
    bus = found ? found->bus : 0;
    device = found ? found->device : 0;
    function = found ? found->function : 0;
    return found.has_value();
}

void DualBios::GetSmbusBase() {
    std::uint32_t bus = 0, device = 0, function = 0;
    if (!FindSmbusController(bus, device, function)) return;
    const std::uint32_t bar = pci_.Io().ReadPciConfigDword(bus, device, function, kPciBarRegister4);
    if (bar == kPciAbsent || (bar & kIoSpaceIndicator) == 0) return;
    const std::uint32_t base = bar - kIoSpaceIndicator;
    if (base <= kHighestPortBase) smbusBase_ = base;
}

std::uint8_t DualBios::ReadStatus(IClock& clock) {
    for (const PortWrite& write : kReadByteDataTransaction) {
        pci_.Io().WritePortByte(static_cast<std::uint16_t>(smbusBase_ + write.offset), write.value);
    }
    clock.SleepMilliseconds(kTransactionWaitMs);
    return pci_.Io().ReadPortByte(static_cast<std::uint16_t>(smbusBase_ + kData0Offset));
}

bool IsSecondBiosRom(std::uint8_t status) { return (status & 0x0C) != 0; }

void CheckDualBios(PciBus& pci, IClock& clock, IMessageBox& messageBox) {
    DualBios dualBios(pci);
    dualBios.GetSmbusBase();
    if (dualBios.SmbusBase() == 0) return;
    if (IsSecondBiosRom(dualBios.ReadStatus(clock))) messageBox.Show(kSecondBiosMessage, u"NORVA Veltra 5");
}

}  // namespace veltra
