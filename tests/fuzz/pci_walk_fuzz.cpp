// PCI configuration space of arbitrary bytes: functions on any bus with any header type and
// any bridge bus numbers. The walk ends, finds only present functions, each once, in
// ascending bus, device, function order, and never probes more than every function of
// every bus.
#include <cstddef>
#include <cstdint>
#include <tuple>
#include <vector>

#include "fakes/model_machine.h"
#include "hardware/pci_walk.h"

namespace {

constexpr std::size_t kRecordBytes = 6;  // bus, device and function, header type, secondary, subordinate, subclass
constexpr int kEveryFunctionOfEveryBus = 256 * 32 * 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    veltra::fakes::ModelMachine machine;
    for (std::size_t at = 0; at + kRecordBytes <= size && at < 64 * kRecordBytes; at += kRecordBytes) {
        const std::uint32_t bus = data[at], device = data[at + 1] >> 3, function = data[at + 1] & 7;
        machine.AddPciFunction(bus, device, function, 0x1E00, 0x0001, static_cast<std::uint16_t>(0x0600 | data[at + 5]));
        machine.SetPciRegister(bus, device, function, 0x0C, std::uint32_t{data[at + 2]} << 16);
        machine.SetPciRegister(bus, device, function, 0x18,
                               std::uint32_t{data[at + 4]} << 16 | std::uint32_t{data[at + 3]} << 8 | bus);
    }
    const std::vector<veltra::PciFunction> found = veltra::EnumeratePci(machine);
    const int probes = machine.pciReads;
    for (std::size_t i = 0; i < found.size(); ++i) {
        const veltra::PciFunction& f = found[i];
        if (machine.ReadPciConfigDword(f.bus, f.device, f.function, 0x08) == veltra::kPciAbsent) __builtin_trap();
        if (i > 0) {
            const veltra::PciFunction& e = found[i - 1];
            if (std::tie(e.bus, e.device, e.function) >= std::tie(f.bus, f.device, f.function)) __builtin_trap();
        }
    }
    // A probe, a header read and a bus-number read at most per function.
    if (probes > 3 * kEveryFunctionOfEveryBus) __builtin_trap();
    return 0;
}
