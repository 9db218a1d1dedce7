#include "cli/cli_app.h"

#include <memory>

#include "app/debug_log.h"
#include "app/startup_identification.h"
#include "app/vt5_record.h"
#include "cli/cli_options.h"
#include "cli/identify_report.h"
#include "cli/stream_debug_sink.h"
#include "cli/stream_message_box.h"
#include "hardware/porvik_startup.h"
#include "platform/platform.h"

namespace veltra {
namespace {

// Like the program, the console front end does not run without its drivers: it says why on
// standard error and ends with exit code 0.
int RunIdentify(const CliOptions& options, Platform& platform, std::ostream& out, std::ostream& err) {
    StreamMessageBox messages(err);
    const std::unique_ptr<CPorvikDriver> driver = CreatePorvikDriver(platform, messages);
    if (!driver) return 0;
    VT5Record vt5;
    switch (RunStartupIdentification(platform, vt5, options.workFolder)) {
        case StartupStatus::Identified: break;
        case StartupStatus::ProcessEnded: return 0;
        case StartupStatus::WorkPathUnusable:
            err << "veltra-cli: the executable's folder path is longer than 255 characters; use --work\n";
            return 1;
    }
    out << (options.json ? IdentifyJson(vt5).Serialize() + "\n" : IdentifyLines(vt5));
    return 0;
}

}  // namespace

int RunCli(const std::vector<std::u16string>& arguments, Platform& platform, std::ostream& out, std::ostream& err) {
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
    const int exitCode = RunIdentify(options, platform, out, err);
    ProcessDebugLog().Disable();
    return exitCode;
}

}  // namespace veltra
