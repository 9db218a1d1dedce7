#include "fakes/model_machine.h"

#include <stdexcept>

namespace veltra::fakes {
namespace {

constexpr std::uint8_t kHostStart = 0x40;
constexpr std::uint8_t kByteDataProtocol = 0x08;
constexpr std::uint8_t kDualBiosSlaveRead = (0x4B << 1) | 1;
constexpr std::uint8_t kStatusCommand = 2;
constexpr std::uint64_t kLargestRequest = 1 << 20;  // the driver maps at most 1 MiB per request

}  // namespace

void ModelMachine::AddMemory(std::uint32_t address, std::vector<std::uint8_t> bytes) {
    memory_[address] = std::move(bytes);
}

std::uint8_t* ModelMachine::ServedByte(std::uint64_t address) {
    if (address > 0xFFFFFFFFu) return nullptr;
    auto region = memory_.upper_bound(static_cast<std::uint32_t>(address));
    if (region == memory_.begin()) return nullptr;
    --region;
    const std::uint64_t offset = address - region->first;
    return offset < region->second.size() ? &region->second[static_cast<std::size_t>(offset)] : nullptr;
}

void ModelMachine::PutText(std::uint32_t address, std::string_view text) {
    for (char c : text) {
        std::uint8_t* byte = ServedByte(address++);
        if (byte == nullptr) throw std::out_of_range("address not in the model's memory");
        *byte = static_cast<std::uint8_t>(c);
    }
}

std::size_t ModelMachine::ReadMemory(std::uint32_t physicalAddress, std::uint32_t unitSize, std::uint32_t unitCount,
                                     std::uint8_t* destination) {
    ++memoryReads;
    const std::uint64_t requested = std::uint64_t{unitSize} * unitCount;
    if (requested > kLargestRequest) return 0;
    const auto bytes = static_cast<std::size_t>(requested);
    std::vector<std::uint8_t> copy(bytes);
    for (std::size_t i = 0; i < bytes; ++i) {
        const std::uint8_t* byte = ServedByte(std::uint64_t{physicalAddress} + i);
        if (byte == nullptr) return 0;
        copy[i] = *byte;
    }
    std::copy(copy.begin(), copy.end(), destination);
    return bytes;
}

void ModelMachine::AddPciFunction(std::uint32_t bus, std::uint32_t device, std::uint32_t function,
                                  std::uint16_t vendor, std::uint16_t deviceId, std::uint16_t classValue,
                                  std::uint16_t subsystemVendor) {
    auto& space = pci_[{bus, device, function}];
    space.fill(0);
    space[0x00 / 4] = (std::uint32_t{deviceId} << 16) | vendor;
    space[0x08 / 4] = (std::uint32_t{classValue} << 16) | 0x01;  // revision 1
    space[0x2C / 4] = (0x1234u << 16) | subsystemVendor;
}

void ModelMachine::SetPciRegister(std::uint32_t bus, std::uint32_t device, std::uint32_t function,
                                  std::uint32_t offset, std::uint32_t value) {
    pci_.at({bus, device, function}).at(offset / 4) = value;
}

void ModelMachine::SetMultiFunction(std::uint32_t bus, std::uint32_t device) {
    pci_.at({bus, device, 0}).at(0x0C / 4) |= 0x00800000;
}

void ModelMachine::AddPciBridge(std::uint32_t bus, std::uint32_t device, std::uint32_t function,
                                std::uint8_t secondary, std::uint8_t subordinate) {
    AddPciFunction(bus, device, function, 0x8086, 0x2448, 0x0604);
    auto& space = pci_.at({bus, device, function});
    space[0x0C / 4] = 0x00010000;
    space[0x18 / 4] = (std::uint32_t{subordinate} << 16) | (std::uint32_t{secondary} << 8) | bus;
}

std::uint32_t ModelMachine::ReadPciConfigDword(std::uint32_t bus, std::uint32_t device, std::uint32_t function,
                                               std::uint32_t offset) {
    ++pciReads;
    if (offset % 4 != 0 || offset >= 256) return 0xFFFFFFFF;
    const auto found = pci_.find({bus, device & 31, function & 7});
    return found == pci_.end() ? 0xFFFFFFFF : found->second[offset / 4];
}

void ModelMachine::SetSmbus(std::uint16_t base, std::uint8_t dualBiosStatus) {
    smbusBase_ = base;
    dualBiosStatus_ = dualBiosStatus;
}

std::uint8_t ModelMachine::ReadPortByte(std::uint16_t port) {
    portReads.push_back(port);
    if (smbusBase_ == 0 || port < smbusBase_ || port >= smbusBase_ + smbusRegisters_.size()) return 0xFF;
    return smbusRegisters_[port - smbusBase_];
}

void ModelMachine::WritePortByte(std::uint16_t port, std::uint8_t value) {
    portWrites.emplace_back(port, value);
    if (smbusBase_ == 0 || port < smbusBase_ || port >= smbusBase_ + smbusRegisters_.size()) return;
    const std::size_t reg = port - smbusBase_;
    smbusRegisters_[reg] = value;
    if (reg == 2 && (value & kHostStart) != 0) RunSmbusTransaction();
}

// Host control with start: a byte-data read of command 2 from the dual-BIOS controller
// puts its status into data register 0; anything else answers nothing.
void ModelMachine::RunSmbusTransaction() {
    const bool byteData = (smbusRegisters_[2] & 0x1C) == kByteDataProtocol;
    if (byteData && smbusRegisters_[4] == kDualBiosSlaveRead && smbusRegisters_[3] == kStatusCommand) {
        smbusRegisters_[5] = dualBiosStatus_;
    }
    smbusRegisters_[0] = 0x02;  // interrupt: transaction done
}

}  // namespace veltra::fakes
