#include "cli/cli_app.h"

#include <memory>

#include "app/debug_log.h"
#include "app/hardware_identification.h"
#include "app/startup_identification.h"
#include "app/vt5_record.h"
#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/identify_report.h"
#include "cli/machine_facts.h"
#include "cli/stream_debug_sink.h"
#include "cli/stream_message_box.h"
#include "hardware/bios_startup.h"
#include "hardware/dmi.h"
#include "hardware/porvik_startup.h"
#include "cli/update_commands.h"
#include "platform/platform.h"
#include "sysinfo/wmi_query.h"

namespace veltra {
namespace {

// The board, PCI bus, graphics card and video BIOS, through the drivers and the management service.
void IdentifyHardware(Platform& platform, IWmi& wmi, CPorvikDriver& driver, const BiosDriverOutcome& outcome,
                      VT5Record& vt5) {
    CWmiQuery query(wmi);
    HardwareAccess hardware{driver, query};
    RunHardwareIdentification(platform, hardware, outcome, vt5);
}

void PrintIdentity(const CliOptions& options, const VT5Record& vt5, const MachineFacts& facts, std::ostream& out) {
    if (!options.json) {
        out << IdentifyLines(vt5, facts.dmiBiosMajorRelease4);
        return;
    }
    JsonValue report = IdentifyJson(vt5, facts.dmiBiosMajorRelease4);
    AddMachineFactsJson(facts, report);
    out << report.Serialize() << '\n';
}

// Like the program, the console front end does not run without its drivers: it says why on
// standard error and ends with exit code 0.
int RunIdentify(const CliOptions& options, Platform& platform, IWmi& wmi, std::ostream& out, std::ostream& err) {
    StreamMessageBox messages(err);
    const std::unique_ptr<CPorvikDriver> driver = CreatePorvikDriver(platform, messages);
    if (!driver) return 0;
    VT5Record vt5;
    if (!RunStartupIdentification(platform, vt5, options.workFolder)) {
        err << "veltra-cli: the executable's folder path is longer than 255 characters; use --work\n";
        return 1;
    }
    const std::optional<BiosDriverOutcome> outcome = QueryBiosDriver(platform, vt5.nOS);
    if (!outcome) return 0;
    IdentifyHardware(platform, wmi, *driver, *outcome, vt5);
    MachineFacts facts = GatherMachineFacts(platform);
    facts.dmiBiosMajorRelease4 = IsDmiBiosMajorRelease4(*driver);
    PrintIdentity(options, vt5, facts, out);
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

int RunCommand(const CliOptions& options, Platform& platform, IWmi& wmi, UpdateServices* services,
               std::ostream& out, std::ostream& err) {
    if (options.command == "check") return RunCheckCommand(options, platform, out, err);
    if (options.command == "list") return RunListCommand(options, platform, out, err);
    if (options.command == "history") return RunHistoryCommand(options, platform, out, err);
    if (options.command == "scan" || options.command == "download" || options.command == "install") {
        return RunUpdateCommand(options, platform, services, out, err);
    }
    return RunIdentify(options, platform, wmi, out, err);
}

}  // namespace

int RunCli(const std::vector<std::u16string>& arguments, Platform& platform, IWmi& wmi, std::ostream& out,
           std::ostream& err, UpdateServices* services) {
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
    const int exitCode = RunCommand(options, platform, wmi, services, out, err);
    ProcessDebugLog().Disable();
    return exitCode;
}

}  // namespace veltra
