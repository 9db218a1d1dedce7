#include "cli/fleet_check.h"

#include <algorithm>

#include "catalogue/check_driver.h"
#include "catalogue/check_record.h"
#include "catalogue/result_list.h"
#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/log_folder_in_memory.h"
#include "cli/plain_text.h"
#include "cli/update_session.h"
#include "core/text.h"
#include "platform/platform.h"

namespace veltra {
namespace {

// Every record of the checks, not only the 49 the list shows.
std::vector<FleetResult> ReadResults(IFile& file, ICodePage& codePage) {
    std::vector<FleetResult> results;
    std::array<unsigned char, CheckRecord::kSize> bytes{};
    auto text = [&](const std::string& ansi) { return Utf16ToUtf8(codePage.FromAnsi(ansi)); };
    file.Seek(0);
    while (file.Read(bytes.data(), bytes.size()) == bytes.size()) {
        const CheckRecord record = ParseCheckRecord(bytes);
        results.push_back({text(record.type), text(record.item), text(record.currentVersion), text(record.onlineVersion),
                           text(record.webPath), text(record.size)});
    }
    return results;
}

// The platform a fleet run works on: the files of every "VT5\LOG" folder kept in memory.
class FleetPlatform {
public:
    explicit FleetPlatform(Platform& platform)
        : files_(platform.fileSystem),
          platform_{platform.registry,    platform.systemVersion, platform.mutexes,  platform.windows,
                    platform.messageBox,  platform.launcher,      platform.clock,    platform.codePage,
                    platform.processInfo, files_,                 platform.services, platform.devices,
                    platform.processExit} {}
    Platform& Get() { return platform_; }

private:
    LogFolderInMemory files_;
    Platform platform_;
};

bool FetchFleetCatalogues(const CliOptions& options, const FleetMachine& first, Platform& platform, IWmi& wmi,
                          UpdateServices& services, std::ostream& err) {
    CliOptions scan;
    scan.workFolder = options.workFolder;
    scan.server = options.server;
    scan.identityFile = first.file;
    UpdateSession session(platform, services, err);
    if (!session.Open(scan, wmi, err)) return false;
    session.page->On_Download_Info_File();
    session.WaitForListView();
    const std::vector<TransferRecord>& records = session.transfers.Records();
    const bool fetched = session.page->Engine().nRefusals == 0 && !records.empty() &&
                         std::all_of(records.begin(), records.end(), [](const TransferRecord& r) { return r.ended && r.result.empty(); });
    if (fetched) return true;
    for (const TransferRecord& record : records) err << OutcomeText(record) << '\t' << PlainText(record.url) << '\n';
    err << "veltra-cli: the catalogues could not be fetched from the update server\n";
    return false;
}

}  // namespace

std::vector<FleetMachine> LoadFleet(const CliOptions& options, Platform& platform, const VT5Record& work,
                                    FleetReportBuilder& builder, std::ostream& err) {
    std::vector<FleetMachine> fleet;
    CliOptions one;
    one.workFolder = options.workFolder;
    for (const std::u16string& file : options.identityFiles) {
        one.identityFile = file;
        FleetMachine machine{file, work, {}, nullptr};
        std::string error;
        machine.installed = LoadSavedMachine(one, platform, machine.vt5, machine.inputs, error);
        if (machine.installed && machine.inputs.dqaTest) error = "saved in DQA TEST mode, whose catalogues are not the fleet's";
        if (!error.empty()) {
            err << "veltra-cli: skipped " << PlainText(file) << ": " << PlainText(error) << '\n';
            builder.AddSkipped(Utf16ToUtf8(file), error);
            continue;
        }
        fleet.push_back(std::move(machine));
    }
    return fleet;
}

void CheckFleet(std::vector<FleetMachine>& fleet, Platform& platform, FleetReportBuilder& builder, int categories) {
    for (FleetMachine& machine : fleet) {
        CatalogueFileSet dbf;
        CheckListState checkList;
        CheckResultWriter writer(machine.vt5, platform.codePage);
        CheckContext context{machine.vt5, machine.inputs, *machine.installed, platform.fileSystem, platform.codePage, dbf, writer};
        Check_Download_Information(context, checkList, categories);
        std::vector<FleetResult> results;
        if (checkList.file) results = ReadResults(*checkList.file, platform.codePage);
        builder.AddPc(Utf16ToUtf8(machine.file), Utf16ToUtf8(machine.vt5.cMB_Model), Utf16ToUtf8(machine.vt5.cMB_BIOS_Version),
                      results);
        machine.installed.reset();  // a thousand identities' maps need not all stay
    }
}

std::optional<FleetReport> CheckSavedFleet(const CliOptions& options, Platform& platform, IWmi& wmi,
                                           UpdateServices& services, int categories, std::ostream& err) {
    FleetPlatform fleetPlatform(platform);
    VT5Record work;
    if (!IdentifyWorkFolder(options, fleetPlatform.Get(), work, err)) return std::nullopt;
    FleetReportBuilder builder;
    std::vector<FleetMachine> fleet = LoadFleet(options, fleetPlatform.Get(), work, builder, err);
    if (fleet.empty()) {
        err << "veltra-cli: no identity could be read\n";
        return std::nullopt;
    }
    if (!FetchFleetCatalogues(options, fleet.front(), fleetPlatform.Get(), wmi, services, err)) return std::nullopt;
    CheckFleet(fleet, fleetPlatform.Get(), builder, categories);
    return builder.Finish();
}

}  // namespace veltra
