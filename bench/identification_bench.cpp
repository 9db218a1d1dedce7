// The start-up identification's own cost on a model machine: the PCI enumeration that every
// reader shares, the ROM window searches, the DMI table and the identity parser, with the
// driver requests they make. The driver's own time per request comes on top on a real
// machine (bench/identify-under-wine measures that).
#include <benchmark/benchmark.h>

#include <string_view>

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

// The demo PC's devices: a multi-function chipset device on bus 0, the network controller
// behind one bridge, the graphics card behind another; the 32-bit SMBIOS entry point.
veltra::fakes::ModelMachine DesktopPc() {
    veltra::fakes::ModelMachine machine;
    machine.AddPciFunction(0, 0, 0, 0x8086, 0x2E10, 0x0600);
    machine.AddPciBridge(0, 1, 0, 2, 2);
    machine.AddPciFunction(0, 27, 0, 0x8086, 0x3A3E, 0x0403);
    machine.AddPciBridge(0, 28, 0, 1, 1);
    machine.AddPciFunction(0, 31, 0, 0x8086, 0x3A18, 0x0601);
    machine.AddPciFunction(0, 31, 2, 0x8086, 0x3A22, 0x0101);
    machine.AddPciFunction(0, 31, 3, 0x8086, 0x3A30, 0x0C05);
    machine.SetMultiFunction(0, 31);
    machine.AddPciFunction(1, 0, 0, 0x10EC, 0x8168, 0x0200);
    machine.AddPciFunction(2, 0, 0, 0x10DE, 0x0640, 0x0300);
    machine.AddMemory(0xC0000, std::vector<std::uint8_t>(0x10000, 0));
    machine.PutText(0xC0200, "Version 62.94.12.00.00 ");
    machine.AddMemory(0xF0000, std::vector<std::uint8_t>(0x10000, 0));
    machine.AddMemory(0xE0000, std::vector<std::uint8_t>(0x100, 4));
    machine.PutText(0xE0001, "\x18");
    machine.PutText(0xFE800, "_DMI_");
    machine.PutText(0xFE806, std::string_view("\x00\x01", 2));  // table length 0x100
    machine.PutDword(0xFE808, 0xE0000);
    return machine;
}

// What the start-up reads through the I/O driver after the BIOS driver: the PCI scan, the
// graphics card, the video BIOS and the DMI test.
void Identification(benchmark::State& state) {
    veltra::fakes::ModelMachine machine = DesktopPc();
    veltra::fakes::FakeWmi wmi;
    veltra::CWmiQuery query(wmi);
    veltra::Windows1252CodePage codePage;
    for (auto _ : state) {
        veltra::VT5Record vt5;
        veltra::PciBus pci(machine);
        veltra::Scan_PCI(pci, vt5);
        veltra::IdentifyVgaCard(pci, codePage, vt5);
        veltra::CVgaBiosReader reader(pci, query, codePage);
        reader.Run();
        benchmark::DoNotOptimize(veltra::IsDmiBiosMajorRelease4(machine));
        benchmark::DoNotOptimize(vt5.saPciIds.data());
    }
    const auto perRun = [&state](int count) {
        return static_cast<double>(count) / static_cast<double>(state.iterations());
    };
    state.counters["pciRequests"] = perRun(machine.pciReads);
    state.counters["memoryRequests"] = perRun(machine.memoryReads);
}
BENCHMARK(Identification);

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
