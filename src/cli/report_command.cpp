#include "cli/report_command.h"

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
    const std::optional<FleetReport> table = CheckSavedFleet(options, platform, wmi, services, 127, err);
    if (!table) return 1;
    PrintReport(options, *table, out);
    if (options.htmlFile && !WritePage(*options.htmlFile, FleetHtml(*table), platform.fileSystem, err)) return 1;
    return 0;
}

}  // namespace veltra
