#include "hardware/pci_walk.h"

#include <bitset>
#include <set>

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

// The buses still to probe, lowest first, each at most once.
class PendingBuses {
public:
    PendingBuses() { Add(0); }
    void Add(std::uint32_t bus) {
        if (bus >= kBusCount || seen_[bus]) return;
        seen_[bus] = true;
        pending_.insert(bus);
    }
    bool Empty() const { return pending_.empty(); }
    std::uint32_t TakeLowest() {
        const std::uint32_t bus = *pending_.begin();
        pending_.erase(pending_.begin());
        return bus;
    }

private:
    std::bitset<kBusCount> seen_;
    std::set<std::uint32_t> pending_;
};

// A bridge only ever leads to a higher bus, which keeps the walk ascending and finite even
// when a bridge is unconfigured (secondary 0) or its registers hold garbage.
void FollowBridge(IHardwareIo& io, const PciFunction& bridge, PendingBuses& buses) {
    const std::uint32_t numbers = ReadPciRegister(io, bridge, kPciBusNumberRegister);
    if (numbers == kPciAbsent) return;
    const std::uint32_t secondary = (numbers >> 8) & 0xFF;
    const std::uint32_t subordinate = (numbers >> 16) & 0xFF;
    if (secondary > bridge.bus && secondary <= subordinate) buses.Add(secondary);
}

// Records the function and returns its header type register (0xFFFFFFFF when unreadable).
std::uint32_t NoteFunction(IHardwareIo& io, const PciFunction& found, std::vector<PciFunction>& functions,
                           PendingBuses& buses) {
    functions.push_back(found);
    const std::uint32_t header = ReadPciRegister(io, found, kPciHeaderTypeRegister);
    if (header != kPciAbsent && (header & kHeaderLayoutMask) == kPciToPciBridgeLayout) FollowBridge(io, found, buses);
    return header;
}

void ProbeDevice(IHardwareIo& io, std::uint32_t bus, std::uint32_t device, std::vector<PciFunction>& functions,
                 PendingBuses& buses) {
    for (std::uint32_t function = 0; function < kFunctionsPerDevice; ++function) {
        const std::uint32_t classRegister = io.ReadPciConfigDword(bus, device, function, kPciClassRegister);
        if (classRegister == kPciAbsent) {
            if (function == 0) return;
            continue;
        }
        const std::uint32_t header = NoteFunction(io, {bus, device, function, classRegister}, functions, buses);
        if (function == 0 && (header == kPciAbsent || (header & kMultiFunctionBit) == 0)) return;
    }
}

}  // namespace

std::vector<PciFunction> EnumeratePci(IHardwareIo& io) {
    std::vector<PciFunction> functions;
    PendingBuses buses;
    while (!buses.Empty()) {
        const std::uint32_t bus = buses.TakeLowest();
        for (std::uint32_t device = 0; device < kDevicesPerBus; ++device) ProbeDevice(io, bus, device, functions, buses);
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
