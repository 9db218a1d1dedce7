// The start-up identification's own cost on a model machine: the PCI walks (4352 probes
// each), the ROM window searches (256 block reads each) and the identity parser. The
// driver's own time per request comes on top on a real machine.
#include <benchmark/benchmark.h>

#include "core/vt5_record.h"
#include "fakes/model_machine.h"
#include "hardware/bios_id_string.h"
#include "hardware/dmi.h"
#include "hardware/memory_search.h"
#include "sysinfo/pci_scan.h"

namespace {

veltra::fakes::ModelMachine DesktopPc() {
    veltra::fakes::ModelMachine machine;
    machine.AddPciFunction(0, 2, 0, 0x10DE, 0x0640, 0x0300);
    machine.AddPciFunction(0, 27, 0, 0x8086, 0x3A3E, 0x0403);
    machine.AddPciFunction(0, 31, 2, 0x8086, 0x3A22, 0x0101);
    machine.AddPciFunction(0, 31, 3, 0x8086, 0x3A30, 0x0C05);
    machine.AddPciFunction(2, 0, 0, 0x10EC, 0x8168, 0x0200);
    machine.AddMemory(0xF0000, std::vector<std::uint8_t>(0x10000, 0));
    machine.AddMemory(0xE0000, std::vector<std::uint8_t>(0x100, 4));
    machine.PutText(0xFE800, "_DMI_");
    machine.PutDword(0xFE808, 0xE0000);
    return machine;
}

void ScanPci(benchmark::State& state) {
    veltra::fakes::ModelMachine machine = DesktopPc();
    for (auto _ : state) {
        veltra::VT5Record vt5;
        veltra::Scan_PCI(machine, vt5);
        benchmark::DoNotOptimize(vt5.saPciIds.data());
    }
    state.counters["pciReadsPerScan"] = static_cast<double>(machine.pciReads) / static_cast<double>(state.iterations());
}
BENCHMARK(ScanPci);

void DmiTest(benchmark::State& state) {
    veltra::fakes::ModelMachine machine = DesktopPc();
    for (auto _ : state) benchmark::DoNotOptimize(veltra::IsDmiBiosMajorRelease4(machine));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * 0x10000);
}
BENCHMARK(DmiTest);

void ParseIdString(benchmark::State& state) {
    for (auto _ : state) {
        std::u16string model, version;
        benchmark::DoNotOptimize(veltra::ParseBiosIdString(u"E1234ABC V17.9B2 061309", model, version));
    }
}
BENCHMARK(ParseIdString);

}  // namespace
