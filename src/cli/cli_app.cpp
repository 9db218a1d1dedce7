#include "cli/cli_app.h"

#include <memory>

#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "cli/plain_text.h"
#include "cli/stream_debug_sink.h"
#include "cli/stream_message_box.h"
#include "core/debug_log.h"
#include "core/program_version.h"
#include "core/text.h"
#include "platform/platform.h"
#include "startup/work_folders.h"

namespace veltra {
namespace {

// The command's row runs it; a fetching command needs the update services.
int RunCommand(const CliContext& context) {
    const CliCommand& command = *FindCliCommand(context.options.command);
    if (command.fetches && context.services == nullptr) {
        context.err << "veltra-cli: " << command.name << " is not available here\n";
        return 1;
    }
    return command.run(context);
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
    const int exitCode = RunCommand({options, console, wmi, services, out, err});
    ProcessDebugLog().Disable();
    return exitCode;
}

}  // namespace veltra
