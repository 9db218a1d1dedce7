#include "fakes/model_machine.h"

#include <algorithm>
#include <stdexcept>

#include "core/byte_buffer.h"
#include "porvik_model.h"

namespace veltra::fakes {
namespace {

std::uint32_t PciAddress(std::uint32_t bus, std::uint32_t device, std::uint32_t function) {
    return bus << 8 | (device & 31) << 3 | (function & 7);
}

}  // namespace

ModelMachine::ModelMachine() { profile_.failUnservedMemory = true; }
ModelMachine::~ModelMachine() = default;

ModelMachine ModelMachine::FromProfile(const std::filesystem::path& path) {
    std::optional<profile::ParseResult> loaded = profile::LoadMachineProfile(path);
    if (!loaded || !loaded->profile) {
        throw std::runtime_error(path.string() + ": " + (loaded ? loaded->error : "cannot be read"));
    }
    ModelMachine machine;
    machine.profile_ = std::move(*loaded->profile);
    return machine;
}
ModelMachine::ModelMachine(ModelMachine&&) noexcept = default;
ModelMachine& ModelMachine::operator=(ModelMachine&&) noexcept = default;

PorvikModel& ModelMachine::Driver() {
    if (!driver_) {
        compiled_ = profile::CompileMachineProfile(profile_);
        driver_ = std::make_unique<PorvikModel>();
        const SimProfile compiled{compiled_.data(), static_cast<ULONG>(compiled_.size())};
        PorvikModelStart(driver_.get(), &compiled);
    }
    return *driver_;
}

void ModelMachine::AddMemory(std::uint32_t address, std::vector<std::uint8_t> bytes) {
    profile_.memory.push_back({address, std::move(bytes)});
    driver_.reset();
}

void ModelMachine::PutText(std::uint32_t address, std::string_view text) {
    for (char c : text) {
        const auto region = std::find_if(profile_.memory.begin(), profile_.memory.end(), [address](const auto& r) {
            return address >= r.base && address - r.base < r.bytes.size();
        });
        if (region == profile_.memory.end()) throw std::out_of_range("address not in the model's memory");
        region->bytes[address++ - region->base] = static_cast<std::uint8_t>(c);
    }
    driver_.reset();
}

std::array<std::uint8_t, 256>& ModelMachine::Config(std::uint32_t bus, std::uint32_t device, std::uint32_t function) {
    driver_.reset();
    return profile_.pci.at(PciAddress(bus, device, function));
}

void ModelMachine::AddPciFunction(std::uint32_t bus, std::uint32_t device, std::uint32_t function,
                                  std::uint16_t vendor, std::uint16_t deviceId, std::uint16_t classValue,
                                  std::uint16_t subsystemVendor) {
    profile_.pci[PciAddress(bus, device, function)] = {};
    SetPciRegister(bus, device, function, 0x00, std::uint32_t{deviceId} << 16 | vendor);
    SetPciRegister(bus, device, function, 0x08, std::uint32_t{classValue} << 16 | 0x01);  // revision 1
    SetPciRegister(bus, device, function, 0x2C, 0x1234u << 16 | subsystemVendor);
}

void ModelMachine::SetPciRegister(std::uint32_t bus, std::uint32_t device, std::uint32_t function,
                                  std::uint32_t offset, std::uint32_t value) {
    PutU32(Config(bus, device, function), offset, value);
}

void ModelMachine::SetMultiFunction(std::uint32_t bus, std::uint32_t device) { Config(bus, device, 0)[0x0E] |= 0x80; }

void ModelMachine::AddPciBridge(std::uint32_t bus, std::uint32_t device, std::uint32_t function,
                                std::uint8_t secondary, std::uint8_t subordinate) {
    AddPciFunction(bus, device, function, 0x8086, 0x2448, 0x0604);
    SetPciRegister(bus, device, function, 0x0C, 0x00010000);
    SetPciRegister(bus, device, function, 0x18, std::uint32_t{subordinate} << 16 | std::uint32_t{secondary} << 8 | bus);
}

void ModelMachine::SetSmbus(std::uint16_t base, std::uint8_t dualBiosStatus) {
    profile_.smbusHost = base;
    profile_.smbusDevices = {{0x4B, 2, dualBiosStatus}};
    driver_.reset();
}

std::size_t ModelMachine::ReadMemory(std::uint32_t physicalAddress, std::uint32_t unitSize, std::uint32_t unitCount,
                                     std::uint8_t* destination) {
    ++memoryReads;
    const std::uint64_t requested = std::uint64_t{unitSize} * unitCount;
    if (requested == 0 || requested > SIM_MEMORY_READ_MAX) return 0;
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(requested));
    const bool served = PorvikReadPhysical(&Driver(), physicalAddress, static_cast<ULONG>(bytes.size()), bytes.data());
    if (!served && profile_.failUnservedMemory) return 0;
    std::copy(bytes.begin(), bytes.end(), destination);
    return bytes.size();
}

std::uint32_t ModelMachine::ReadPciConfigDword(std::uint32_t bus, std::uint32_t device, std::uint32_t function,
                                               std::uint32_t offset) {
    ++pciReads;
    return PorvikPciConfigDword(&Driver(), PciAddress(bus, device, function), offset);
}

std::uint8_t ModelMachine::ReadPortByte(std::uint16_t port) {
    portReads.push_back(port);
    return Driver().ports[port];
}

void ModelMachine::WritePortByte(std::uint16_t port, std::uint8_t value) {
    portWrites.emplace_back(port, value);
    PorvikWritePort(&Driver(), port, value);
}

}  // namespace veltra::fakes
