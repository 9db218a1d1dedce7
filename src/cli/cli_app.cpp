#include "cli/cli_app.h"

#include <memory>

#include "app/debug_log.h"
#include "app/startup_identification.h"
#include "app/vt5_record.h"
#include "cli/cli_options.h"
#include "cli/identify_report.h"
#include "cli/stream_debug_sink.h"
#include "platform/platform.h"

namespace veltra {
namespace {

int RunIdentify(const CliOptions& options, Platform& platform, std::ostream& out, std::ostream& err) {
    VT5Record vt5;
    if (!RunStartupIdentification(platform, vt5, options.workFolder)) {
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
