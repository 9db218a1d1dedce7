#include "cli/cli_commands.h"

#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/identify_report.h"
#include "cli/mirror_command.h"
#include "cli/reminder_command.h"
#include "cli/report_command.h"
#include "cli/update_commands.h"
#include "cli/verify_command.h"

namespace veltra {
namespace {

constexpr unsigned kAnyCount = ~0u;

int Identify(const CliContext& c) { return RunIdentifyCommand(c.options, c.platform, c.wmi, c.out, c.err); }
int Check(const CliContext& c) { return RunCheckCommand(c.options, c.platform, c.wmi, c.out, c.err); }
int List(const CliContext& c) { return RunListCommand(c.options, c.platform, c.out, c.err); }
int Scan(const CliContext& c) { return RunScanCommand(c.options, c.platform, c.wmi, *c.services, c.out, c.err); }
int History(const CliContext& c) { return RunHistoryCommand(c.options, c.platform, c.out, c.err); }
int Reminder(const CliContext& c) { return RunReminderCommand(c.options, c.platform, c.out, c.err); }
int Verify(const CliContext& c) { return RunVerifyCommand(c.options, c.platform, *c.services, c.out, c.err); }
int Mirror(const CliContext& c) { return RunMirrorCommand(c.options, c.platform, c.wmi, *c.services, c.out, c.err); }
int Report(const CliContext& c) { return RunReportCommand(c.options, c.platform, c.wmi, *c.services, c.out, c.err); }

int Download(const CliContext& c) {
    return RunDownloadCommand(TransferCommand::Download, c.options, c.platform, c.wmi, *c.services, c.out, c.err);
}

int Install(const CliContext& c) {
    return RunDownloadCommand(TransferCommand::Install, c.options, c.platform, c.wmi, *c.services, c.out, c.err);
}

// Adding a command is one row here (and its lines in CliUsage).
constexpr CliCommand kCommands[] = {
    {"identify", Identify, false, CliWords::None, 0, 0, 0, nullptr},
    {"check", Check, false, CliWords::None, 0, 0, 0, nullptr},
    {"list", List, false, CliWords::None, 0, 0, 0, nullptr},
    {"scan", Scan, true, CliWords::None, 0, 0, 0, nullptr},
    {"download", Download, true, CliWords::Rows, 0, 1, kAnyCount, "download needs the numbers of the updates (see list)"},
    {"install", Install, true, CliWords::Rows, 0, 1, 1, "install takes the number of one update (see list)"},
    {"history", History, false, CliWords::None, 0, 0, 0, nullptr},
    {"reminder", Reminder, false, CliWords::ReminderSet, 0, 0, 0, nullptr},
    {"verify", Verify, true, CliWords::None, kTreeOption | kDeadlineOption, 0, 0, nullptr},
    {"mirror", Mirror, true, CliWords::IdentityFiles, kDeadlineOption | kMirrorOptions, 0, 0, nullptr},
    {"report", Report, true, CliWords::IdentityFiles, kReportFileOptions, 0, 0, nullptr},
};

}  // namespace

const CliCommand* FindCliCommand(std::string_view name) {
    for (const CliCommand& command : kCommands) {
        if (name == command.name) return &command;
    }
    return nullptr;
}

}  // namespace veltra
