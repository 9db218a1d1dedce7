// Figures for the catalogue reading: the tag scanner against a plain read of the same bytes,
// the whole check phase of a machine with 40 PCI devices on a large catalogue set, and the
// fleet report's reading and checking of saved identities (1 against 100) on the same set
// and (1 against 1,000) on the bundled demo server's catalogues.
#include <benchmark/benchmark.h>

#include <array>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/vt5_record.h"
#include "catalogue/catalogue_files.h"
#include "catalogue/catalogue_kinds.h"
#include "catalogue/check_driver.h"
#include "catalogue/installed_versions.h"
#include "catalogue/result_list.h"
#include "cli/cli_options.h"
#include "cli/fleet_check.h"
#include "fakes/fake_platform.h"
#include "large_catalogues.h"
#include "platform/memory_file.h"
#include "sysinfo/vga_info.h"
#include "core/text.h"

namespace veltra::bench {
namespace {

const LargeCatalogueSet& Catalogues() {
    static const LargeCatalogueSet set = MakeLargeCatalogueSet();
    return set;
}

const std::vector<unsigned char>& File(const std::u16string& name) {
    for (const auto& [fileName, bytes] : Catalogues().files) {
        if (fileName == name) return bytes;
    }
    static const std::vector<unsigned char> none;
    return none;
}

void BM_PlainRead(benchmark::State& state) {
    const auto& bytes = File(u"BIOSList.xml");
    std::array<unsigned char, 65536> chunk{};
    for (auto _ : state) {
        ReadOnlyMemoryFile file(bytes);
        std::size_t total = 0;
        for (std::size_t got = file.Read(chunk.data(), chunk.size()); got != 0; got = file.Read(chunk.data(), chunk.size())) {
            total += got;
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_PlainRead);

void BM_TextModeReadByteByByte(benchmark::State& state) {
    const auto& bytes = File(u"BIOSList.xml");
    for (auto _ : state) {
        ReadOnlyMemoryFile file(bytes);
        TextModeReader reader(file);
        std::size_t total = 0;
        while (reader.Next() != TextModeReader::kEnd) ++total;
        benchmark::DoNotOptimize(total);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_TextModeReadByteByByte);

void BM_ScanBiosList(benchmark::State& state) {
    const auto& bytes = File(u"BIOSList.xml");
    Windows1252CodePage codePage;
    std::size_t items = 0;
    for (auto _ : state) {
        ReadOnlyMemoryFile file(bytes);
        ScanCatalogueFile(&file, BiosListKind(), codePage, [&](const CatalogueItem&) { ++items; });
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
    state.counters["items"] = benchmark::Counter(static_cast<double>(items), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ScanBiosList);

constexpr char16_t kWork[] = u"C:\\Veltra\\";

using CatalogueFiles = std::vector<std::pair<std::u16string, std::vector<unsigned char>>>;

const CatalogueFiles& LargeFiles() { return Catalogues().files; }

// The bundled server's normal catalogues, as the demo PC's scan fetches them.
const CatalogueFiles& DemoFiles() {
    static const CatalogueFiles files = [] {
        CatalogueFiles read;
        for (const CatalogueFileInfo& catalogue : kCatalogueFiles) {
            const std::string name = Utf16ToUtf8(catalogue.name);
            std::ifstream file(std::string(VELTRA_SOURCE_DIR "/examples/server/DataBase/") + (name == "BIOSList.xml" ? "" : "VT5/") + name,
                               std::ios::binary);
            read.emplace_back(catalogue.name, std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {}));
        }
        return read;
    }();
    return files;
}

// The work folder with a catalogue set where a scan leaves it.
void PlaceCatalogues(fakes::FakePlatform& fake, const CatalogueFiles& files) {
    const std::u16string work = kWork;
    fake.fileSystem.AddFolder(work + u"VT5\\LOG");
    for (const auto& [name, bytes] : files) fake.fileSystem.AddFile(work + u"VT5\\DL_INFO\\" + name, bytes);
}

void BM_CheckPhase(benchmark::State& state) {
    fakes::FakePlatform fake;
    const std::u16string work = kWork;
    PlaceCatalogues(fake, LargeFiles());
    VT5Record vt5;
    vt5.sWorkPath = work;
    vt5.nOS = 4096;
    vt5.sOSCode = u"W764";
    vt5.cMB_Model = u"QB-7100";
    vt5.cMB_BIOS_Version = u"1.20";
    vt5.cMB_BIOS_Vendor = u"Corvid Firmware Inc.";
    vt5.saPciIds = Catalogues().pciIds;
    vt5.pVGA = std::make_shared<VGAInfo>();
    RegistryInstalledVersions installed(fake.registry, fake.codePage);
    std::size_t records = 0;
    for (auto _ : state) {
        vt5.resultCount = 0;
        CatalogueFileSet dbf;
        CheckListState checkList;
        CheckResultWriter writer(vt5, fake.codePage);
        CheckContext context{vt5, {}, installed, fake.fileSystem, fake.codePage, dbf, writer};
        Check_Download_Information(context, checkList, 127);
        records += static_cast<std::size_t>(vt5.resultCount);
    }
    std::size_t totalBytes = 0;
    for (const auto& file : Catalogues().files) totalBytes += file.second.size();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * totalBytes));
    state.counters["results"] = benchmark::Counter(static_cast<double>(records), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CheckPhase)->Unit(benchmark::kMillisecond);

// A saved identity of the benchmark's machine; the number varies its BIOS version and tools.
std::string IdentityJson(int number) {
    std::string pciIds;
    for (const std::u16string& id : Catalogues().pciIds) pciIds += (pciIds.empty() ? "\"" : ",\"") + Utf16ToUtf8(id) + "\"";
    return "{\"VT5\":{\"nOS\":4096,\"sOSCode\":\"W764\",\"cMB_Model\":\"QB-7100\",\"cMB_BIOS_Version\":\"1." +
           std::to_string(10 + number % 20) + "\",\"cMB_BIOS_Vendor\":\"Corvid Firmware Inc.\",\"saPciIds\":[" + pciIds +
           "],\"pVGA\":null},\"dmiBiosMajorRelease4\":false,\"dqaTest\":false,\"nvidiaDriverVersion\":\"\","
           "\"installed\":{\"Norva LAN Driver\":\"7." + std::to_string(number % 13) + "\",\"Norva Fan Tuner\":\"2.0\"}}";
}

// The demo PC with its BIOS version and its Live Monitor's varied by the number.
std::string DemoIdentityJson(int number) {
    static const std::string demo = [] {
        std::ifstream file(VELTRA_SOURCE_DIR "/examples/identities/demo-pc.json", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }();
    std::string json = demo;
    json.replace(json.find("\"1.20\""), 6, "\"1." + std::to_string(10 + number % 30) + "\"");
    json.replace(json.find("\"1.02\""), 6, "\"1.0" + std::to_string(number % 10) + "\"");
    return json;
}

// Reading N identity files and checking each, as "report" does once the catalogues are in;
// its time per identity sits beside one check phase of the same set.
void BM_FleetReport(benchmark::State& state, const CatalogueFiles& (*catalogues)(), std::string (*identity)(int)) {
    fakes::FakePlatform fake;
    PlaceCatalogues(fake, catalogues());
    CliOptions options;
    for (int i = 0; i < state.range(0); ++i) {
        options.identityFiles.push_back(u"C:\\fleet\\pc-" + DecimalText(i) + u".json");
        const std::string json = identity(i);
        fake.fileSystem.AddFile(options.identityFiles.back(), {json.begin(), json.end()});
    }
    VT5Record vt5;
    vt5.sWorkPath = kWork;
    std::size_t needs = 0;
    for (auto _ : state) {
        FleetReportBuilder builder;
        std::ostringstream err;
        std::vector<FleetMachine> fleet = LoadFleet(options, fake.platform, vt5, builder, err);
        CheckFleet(fleet, fake.platform, builder);
        const FleetReport report = builder.Finish();
        for (const FleetPc& pc : report.pcs) needs += pc.needs.size();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.counters["needs"] = benchmark::Counter(static_cast<double>(needs), benchmark::Counter::kAvgIterations);
}
// A hundred on the large set, whose checks take tens of milliseconds a machine: the smoke run stays brief.
BENCHMARK_CAPTURE(BM_FleetReport, large, LargeFiles, IdentityJson)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FleetReport, demo, DemoFiles, DemoIdentityJson)->Arg(1)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace veltra::bench
