#include "cli/report_command.h"

#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/fleet_check.h"
#include "cli/plain_text.h"
#include "core/text.h"
#include "platform/platform.h"

namespace veltra {
namespace {

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
    FleetPlatform fleetPlatform(platform);
    Platform& report = fleetPlatform.Get();
    VT5Record work;
    if (!IdentifyWorkFolder(options, report, work, err)) return 1;
    FleetReportBuilder builder;
    std::vector<FleetMachine> fleet = LoadFleet(options, report, work, builder, err);
    if (fleet.empty()) {
        err << "veltra-cli: no identity could be read\n";
        return 1;
    }
    if (!FetchFleetCatalogues(options, fleet.front(), report, wmi, services, err)) return 1;
    CheckFleet(fleet, report, builder);
    const FleetReport table = builder.Finish();
    PrintReport(options, table, out);
    if (options.htmlFile && !WritePage(*options.htmlFile, FleetHtml(table), platform.fileSystem, err)) return 1;
    return 0;
}

}  // namespace veltra
