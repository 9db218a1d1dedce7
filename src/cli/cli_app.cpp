#include "cli/cli_app.h"

#include <memory>

#include "core/debug_log.h"
#include "core/program_version.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/identify_report.h"
#include "cli/machine_facts.h"
#include "cli/machine_identity.h"
#include "cli/mirror_command.h"
#include "app/work_folders.h"
#include "cli/plain_text.h"
#include "cli/reminder_command.h"
#include "cli/report_command.h"
#include "cli/stream_debug_sink.h"
#include "cli/stream_message_box.h"
#include "cli/update_commands.h"
#include "cli/verify_command.h"
#include "platform/platform.h"

namespace veltra {
namespace {

void PrintIdentity(const CliOptions& options, const VT5Record& vt5, const MachineFacts& facts, std::ostream& out) {
    if (!options.json) {
        out << IdentifyLines(vt5, facts.dmiBiosMajorRelease4);
        return;
    }
    JsonValue report = IdentifyJson(vt5, facts.dmiBiosMajorRelease4);
    AddMachineFactsJson(facts, report);
    out << report.Serialize() << '\n';
}

int RunIdentify(const CliOptions& options, Platform& platform, IWmi& wmi, std::ostream& out, std::ostream& err) {
    VT5Record vt5;
    MachineFacts facts;
    const int exitCode = IdentifyThisMachine(options, platform, wmi, vt5, facts, err);
    if (exitCode != kIdentified) return exitCode;
    PrintIdentity(options, vt5, facts, out);
    return 0;
}

int RunUpdateCommand(const CliOptions& options, Platform& platform, IWmi& wmi, UpdateServices* services,
                     std::ostream& out, std::ostream& err) {
    if (services == nullptr) {
        err << "veltra-cli: " << options.command << " is not available here\n";
        return 1;
    }
    if (options.command == "scan") return RunScanCommand(options, platform, wmi, *services, out, err);
    if (options.command == "verify") return RunVerifyCommand(options, platform, *services, out, err);
    if (options.command == "mirror") return RunMirrorCommand(options, platform, *services, out, err);
    if (options.command == "report") return RunReportCommand(options, platform, wmi, *services, out, err);
    return RunDownloadCommand(options, platform, wmi, *services, out, err);
}

int RunCommand(const CliOptions& options, Platform& platform, IWmi& wmi, UpdateServices* services,
               std::ostream& out, std::ostream& err) {
    if (options.command == "check") return RunCheckCommand(options, platform, wmi, out, err);
    if (options.command == "list") return RunListCommand(options, platform, out, err);
    if (options.command == "history") return RunHistoryCommand(options, platform, out, err);
    if (options.command == "reminder") return RunReminderCommand(options, platform, out, err);
    if (IsUpdateCommand(options.command)) return RunUpdateCommand(options, platform, wmi, services, out, err);
    return RunIdentify(options, platform, wmi, out, err);
}

// A --work folder must be an existing folder where the program's folders exist or can be
// made; anything else is refused before a byte is written elsewhere.
bool CheckWorkFolder(const CliOptions& options, IFileSystem& fileSystem, std::ostream& err) {
    if (!options.workFolder) return true;
    const std::u16string& folder = *options.workFolder;
    if (folder.empty() || !fileSystem.IsDirectory(folder)) {
        err << "veltra-cli: the work folder \"" << PlainText(folder) << "\" is not a folder\n";
        return false;
    }
    const std::u16string workPath = folder.back() == u'\\' ? folder : folder + u'\\';
    if (EnsureWorkFolders(fileSystem, workPath).empty()) return true;
    err << "veltra-cli: cannot write in the work folder \"" << PlainText(folder) << "\"\n";
    return false;
}

}  // namespace

// The drivers end the program when they cannot be started; the window ends quietly with 0,
// but a console caller must see that nothing was identified.
class FailedStartExit final : public IProcessExit {
public:
    FailedStartExit(IProcessExit& exit, std::ostream& err) : exit_(exit), err_(err) {}
    void Exit(unsigned) override {
        err_ << "veltra-cli: nothing was identified: a driver could not be started\n" << std::flush;
        exit_.Exit(1);
    }

private:
    IProcessExit& exit_;
    std::ostream& err_;
};

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
    if (options.command == "version") {
        out << "veltra-cli " << Utf16ToUtf8(ProgramVersion()) << '\n';
        return 0;
    }
    if (!CheckWorkFolder(options, platform.fileSystem, err)) return 2;
    // A console program never opens a window: every message box goes to standard error.
    StreamMessageBox messages(err);
    FailedStartExit failedStart(platform.processExit, err);
    Platform console{platform.registry, platform.systemVersion, platform.mutexes,  platform.windows,
                     messages,          platform.launcher,      platform.clock,    platform.codePage,
                     platform.processInfo, platform.fileSystem, platform.services, platform.devices,
                     failedStart};
    if (options.debug) ProcessDebugLog().Enable(std::make_shared<StreamDebugSink>(err), &platform.codePage);
    const int exitCode = RunCommand(options, console, wmi, services, out, err);
    ProcessDebugLog().Disable();
    return exitCode;
}

}  // namespace veltra
