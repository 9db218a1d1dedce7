#include "hardware/pci_walk.h"

#include <bitset>

#include "hardware/hardware_io.h"

namespace veltra {
namespace {

constexpr std::uint32_t kDevicesPerBus = 32;
constexpr std::uint32_t kFunctionsPerDevice = 8;
constexpr std::uint32_t kBusCount = 256;
constexpr std::uint32_t kPciHeaderTypeRegister = 0x0C;
constexpr std::uint32_t kPciBusNumberRegister = 0x18;  // primary, secondary, subordinate bus
// Register 0x0C holds the header type in bits 16-23: bit 7 multi-function, bits 0-6 the layout.
constexpr std::uint32_t kMultiFunctionBit = 0x00800000;
constexpr std::uint32_t kHeaderLayoutMask = 0x007F0000;
constexpr std::uint32_t kPciToPciBridgeLayout = 0x00010000;

// What the walk knows of each bus from the bridges found so far. A bridge only ever leads
// to a higher bus, so by the time the ascending walk reaches a bus, every bridge that could
// lead to it or cover it has been read.
class BusMap {
public:
    BusMap() { reached_[0] = true; }
    // A bridge's secondary bus is scanned; the buses up to its subordinate one lie behind it
    // and are reached, if at all, through further bridges.
    void AddBridgeRange(std::uint32_t secondary, std::uint32_t subordinate) {
        reached_[secondary] = true;
        for (std::uint32_t bus = secondary; bus <= subordinate; ++bus) covered_[bus] = true;
    }
    bool Reached(std::uint32_t bus) const { return reached_[bus]; }
    bool Covered(std::uint32_t bus) const { return covered_[bus]; }

private:
    std::bitset<kBusCount> reached_;
    std::bitset<kBusCount> covered_;
};

// A bridge only ever leads to a higher bus, which keeps the walk ascending and finite even
// when a bridge is unconfigured (secondary 0) or its registers hold garbage.
void FollowBridge(IHardwareIo& io, const PciFunction& bridge, BusMap& buses) {
    const std::uint32_t numbers = ReadPciRegister(io, bridge, kPciBusNumberRegister);
    if (numbers == kPciAbsent) return;
    const std::uint32_t secondary = (numbers >> 8) & 0xFF;
    const std::uint32_t subordinate = (numbers >> 16) & 0xFF;
    if (secondary > bridge.bus && secondary <= subordinate) buses.AddBridgeRange(secondary, subordinate);
}

// Records the function and returns its header type register (0xFFFFFFFF when unreadable).
std::uint32_t NoteFunction(IHardwareIo& io, const PciFunction& found, std::vector<PciFunction>& functions,
                           BusMap& buses) {
    functions.push_back(found);
    const std::uint32_t header = ReadPciRegister(io, found, kPciHeaderTypeRegister);
    if (header != kPciAbsent && (header & kHeaderLayoutMask) == kPciToPciBridgeLayout) FollowBridge(io, found, buses);
    return header;
}

// Probes the functions of one device; false when its function 0 is absent.
bool ProbeDevice(IHardwareIo& io, std::uint32_t bus, std::uint32_t device, std::vector<PciFunction>& functions,
                 BusMap& buses) {
    for (std::uint32_t function = 0; function < kFunctionsPerDevice; ++function) {
        const std::uint32_t classRegister = io.ReadPciConfigDword(bus, device, function, kPciClassRegister);
        if (classRegister == kPciAbsent) {
            if (function == 0) return false;
            continue;
        }
        const std::uint32_t header = NoteFunction(io, {bus, device, function, classRegister}, functions, buses);
        if (function == 0 && (header == kPciAbsent || (header & kMultiFunctionBit) == 0)) return true;
    }
    return true;
}

void ProbeDevicesFrom(IHardwareIo& io, std::uint32_t bus, std::uint32_t firstDevice,
                      std::vector<PciFunction>& functions, BusMap& buses) {
    for (std::uint32_t device = firstDevice; device < kDevicesPerBus; ++device) ProbeDevice(io, bus, device, functions, buses);
}

}  // namespace

std::vector<PciFunction> EnumeratePci(IHardwareIo& io) {
    std::vector<PciFunction> functions;
    BusMap buses;
    for (std::uint32_t bus = 0; bus < kBusCount; ++bus) {
        if (buses.Reached(bus)) {
            ProbeDevicesFrom(io, bus, 0, functions, buses);
        } else if (!buses.Covered(bus) && ProbeDevice(io, bus, 0, functions, buses)) {
            // A root bus of another host bridge: its device 0 answers though no bridge leads here.
            ProbeDevicesFrom(io, bus, 1, functions, buses);
        }
    }
    return functions;
}

const std::vector<PciFunction>& PciBus::Functions() {
    if (!functions_) functions_ = EnumeratePci(io_);
    return *functions_;
}

std::optional<PciFunction> WalkPci(PciBus& pci, const std::function<bool(const PciFunction&)>& visit) {
    for (const PciFunction& found : pci.Functions()) {
        if (visit(found)) return found;
    }
    return std::nullopt;
}

std::uint32_t ReadPciRegister(IHardwareIo& io, const PciFunction& at, std::uint32_t offset) {
    return io.ReadPciConfigDword(at.bus, at.device, at.function, offset);
}

}  // namespace veltra
