#include "cli/report_command.h"

#include <algorithm>

#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/fleet_check.h"
#include "cli/log_folder_in_memory.h"
#include "cli/plain_text.h"
#include "cli/update_session.h"
#include "core/text.h"
#include "platform/platform.h"

namespace veltra {
namespace {

// The catalogues of the update server into the work folder, as "scan --identity" of the first
// PC fetches them (signed list included). False, with the transfers' outcomes, when any failed.
bool FetchCatalogues(const CliOptions& options, const FleetMachine& first, Platform& platform, IWmi& wmi,
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

bool WritePage(const std::u16string& path, const std::string& html, IFileSystem& files, std::ostream& err) {
    const std::unique_ptr<IFile> file = files.Open(path, FileOpenMode::ReadWriteTruncate);
    if (file && file->Write(html.data(), html.size()) == html.size() && file->Flush()) return true;
    err << "veltra-cli: cannot write the page \"" << PlainText(path) << "\"\n";
    return false;
}

void PrintReport(const CliOptions& options, const FleetReport& report, std::ostream& out) {
    if (options.json) {
        out << FleetJson(report).Serialize() << '\n';
    } else {
        out << (options.csv ? FleetCsv(report) : FleetText(report));
    }
}

}  // namespace

int RunReportCommand(const CliOptions& options, Platform& platform, IWmi& wmi, UpdateServices& services,
                     std::ostream& out, std::ostream& err) {
    LogFolderInMemory files(platform.fileSystem);
    Platform report{platform.registry, platform.systemVersion, platform.mutexes,  platform.windows,
                    platform.messageBox, platform.launcher,     platform.clock,    platform.codePage,
                    platform.processInfo, files,                platform.services, platform.devices,
                    platform.processExit};
    VT5Record work;
    if (!IdentifyWorkFolder(options, report, work, err)) return 1;
    FleetReportBuilder builder;
    std::vector<FleetMachine> fleet = LoadFleet(options, report, work, builder, err);
    if (fleet.empty()) {
        err << "veltra-cli: no identity could be read\n";
        return 1;
    }
    if (!FetchCatalogues(options, fleet.front(), report, wmi, services, err)) return 1;
    CheckFleet(fleet, report, builder);
    const FleetReport table = builder.Finish();
    PrintReport(options, table, out);
    if (options.htmlFile && !WritePage(*options.htmlFile, FleetHtml(table), platform.fileSystem, err)) return 1;
    return 0;
}

}  // namespace veltra
