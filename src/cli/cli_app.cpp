#include "cli/cli_app.h"

#include <memory>

#include "app/debug_log.h"
#include "app/startup_identification.h"
#include "app/vt5_record.h"
#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/identify_report.h"
#include "cli/machine_facts.h"
#include "cli/stream_debug_sink.h"
#include "cli/update_commands.h"
#include "platform/platform.h"

namespace veltra {
namespace {

int RunIdentify(const CliOptions& options, Platform& platform, std::ostream& out, std::ostream& err) {
    VT5Record vt5;
    if (!RunStartupIdentification(platform, vt5, options.workFolder)) {
        err << "veltra-cli: the executable's folder path is longer than 255 characters; use --work\n";
        return 1;
    }
    if (!options.json) {
        out << IdentifyLines(vt5);
        return 0;
    }
    const MachineFacts facts = GatherMachineFacts(platform);
    JsonValue report = IdentifyJson(vt5, facts.dmiBiosMajorRelease4);
    AddMachineFactsJson(facts, report);
    out << report.Serialize() << '\n';
    return 0;
}

int RunUpdateCommand(const CliOptions& options, Platform& platform, UpdateServices* services, std::ostream& out,
                     std::ostream& err) {
    if (services == nullptr) {
        err << "veltra-cli: " << options.command << " is not available here\n";
        return 1;
    }
    if (options.command == "scan") return RunScanCommand(options, platform, *services, out, err);
    return RunDownloadCommand(options, platform, *services, out, err);
}

int RunCommand(const CliOptions& options, Platform& platform, UpdateServices* services, std::ostream& out,
               std::ostream& err) {
    if (options.command == "check") return RunCheckCommand(options, platform, out, err);
    if (options.command == "list") return RunListCommand(options, platform, out, err);
    if (options.command == "history") return RunHistoryCommand(options, platform, out, err);
    if (options.command == "scan" || options.command == "download" || options.command == "install") {
        return RunUpdateCommand(options, platform, services, out, err);
    }
    return RunIdentify(options, platform, out, err);
}

}  // namespace

int RunCli(const std::vector<std::u16string>& arguments, Platform& platform, std::ostream& out, std::ostream& err,
           UpdateServices* services) {
    const CliParseResult parsed = ParseCliArguments(arguments);
    if (!parsed.options) {
        err << "veltra-cli: " << parsed.error << '\n';
        return 2;
    }
    const CliOptions& options = *parsed.options;
    if (options.command == "help") {
        out << CliUsage();
        return 0;
    }
    if (options.debug) ProcessDebugLog().Enable(std::make_shared<StreamDebugSink>(err), &platform.codePage);
    const int exitCode = RunCommand(options, platform, services, out, err);
    ProcessDebugLog().Disable();
    return exitCode;
}

}  // namespace veltra
