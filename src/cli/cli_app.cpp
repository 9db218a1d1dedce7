#include "cli/cli_app.h"

#include <memory>

#include "app/debug_log.h"
#include "app/hardware_identification.h"
#include "app/startup_identification.h"
#include "app/vt5_record.h"
#include "cli/cli_options.h"
#include "cli/identify_report.h"
#include "cli/stream_debug_sink.h"
#include "cli/stream_message_box.h"
#include "hardware/bios_startup.h"
#include "hardware/dmi.h"
#include "hardware/porvik_startup.h"
#include "platform/platform.h"
#include "sysinfo/wmi_query.h"

namespace veltra {
namespace {

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
    CWmiQuery query(wmi);
    HardwareAccess hardware{*driver, query};
    RunHardwareIdentification(platform, hardware, *outcome, vt5);
    const bool dmiBiosMajorRelease4 = IsDmiBiosMajorRelease4(*driver);
    out << (options.json ? IdentifyJson(vt5, dmiBiosMajorRelease4).Serialize() + "\n"
                         : IdentifyLines(vt5, dmiBiosMajorRelease4));
    return 0;
}

}  // namespace

int RunCli(const std::vector<std::u16string>& arguments, Platform& platform, IWmi& wmi, std::ostream& out,
           std::ostream& err) {
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
    const int exitCode = RunIdentify(options, platform, wmi, out, err);
    ProcessDebugLog().Disable();
    return exitCode;
}

}  // namespace veltra
