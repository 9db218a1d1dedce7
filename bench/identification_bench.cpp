// The start-up identification's own cost on the example machines: the PCI enumeration that
// every reader shares, the ROM window searches, the DMI table and the identity parser, with
// the driver requests they make, beside the requests a probe of every function of every bus
// would make. The driver's own time per request comes on top on a real machine
// (bench/identify-under-wine measures that).
#include <benchmark/benchmark.h>

#include <string>

#include "core/vt5_record.h"
#include "fakes/fake_wmi.h"
#include "fakes/model_machine.h"
#include "hardware/bios_id_string.h"
#include "hardware/dmi.h"
#include "hardware/pci_walk.h"
#include "hardware/vga_bios_reader.h"
#include "platform/windows1252.h"
#include "sysinfo/pci_scan.h"
#include "sysinfo/vga_card.h"
#include "sysinfo/wmi_query.h"

namespace {

constexpr double kEveryFunctionOfEveryBus = 256.0 * 32 * 8;

veltra::fakes::ModelMachine ExampleMachine(const char* name) {
    return veltra::fakes::ModelMachine::FromProfile(std::string(VELTRA_EXAMPLES_DIR) + "/" + name + "/machine.profile");
}

// What the start-up reads through the I/O driver after the BIOS driver: the PCI scan, the
// graphics card, the video BIOS and the DMI test.
void Identification(benchmark::State& state, const char* name) {
    veltra::fakes::ModelMachine machine = ExampleMachine(name);
    veltra::fakes::FakeWmi wmi;
    veltra::CWmiQuery query(wmi);
    veltra::Windows1252CodePage codePage;
    for (auto _ : state) {
        veltra::VT5Record vt5;
        veltra::PciBus pci(machine);
        veltra::Scan_PCI(pci, vt5);
        veltra::IdentifyVgaCard(pci, codePage, vt5);
        veltra::CVgaBiosReader reader(pci, [&query] { return query.GetVideoName(); }, codePage);
        reader.Run();
        benchmark::DoNotOptimize(veltra::IsDmiBiosMajorRelease4(machine));
        benchmark::DoNotOptimize(vt5.saPciIds.data());
    }
    const auto perRun = [&state](int count) {
        return static_cast<double>(count) / static_cast<double>(state.iterations());
    };
    state.counters["pciRequests"] = perRun(machine.pciReads);
    state.counters["pciEveryFunction"] = kEveryFunctionOfEveryBus;
    state.counters["memoryRequests"] = perRun(machine.memoryReads);
}
BENCHMARK_CAPTURE(Identification, demo_pc, "demo-pc");
BENCHMARK_CAPTURE(Identification, demo_server, "demo-server");
BENCHMARK_CAPTURE(Identification, demo_minipc, "demo-minipc");

// The DMI test alone, on the table read in one piece (demo PC) and in pieces up to a short
// final one (mini-PC).
void DmiTest(benchmark::State& state, const char* name) {
    veltra::fakes::ModelMachine machine = ExampleMachine(name);
    for (auto _ : state) benchmark::DoNotOptimize(veltra::IsDmiBiosMajorRelease4(machine));
    state.counters["memoryRequests"] =
        static_cast<double>(machine.memoryReads) / static_cast<double>(state.iterations());
}
BENCHMARK_CAPTURE(DmiTest, demo_pc, "demo-pc");
BENCHMARK_CAPTURE(DmiTest, demo_minipc, "demo-minipc");

void ParseIdString(benchmark::State& state) {
    for (auto _ : state) {
        std::u16string model, version;
        benchmark::DoNotOptimize(veltra::ParseBiosIdString(u"E1234ABC V17.9B2 061309", model, version));
    }
}
BENCHMARK(ParseIdString);

}  // namespace
