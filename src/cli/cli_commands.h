#pragma once
#include <iosfwd>
#include <string_view>

namespace veltra {

struct CliOptions;
class IWmi;
struct Platform;
struct UpdateServices;

// What a command runs with; services is null where no transfer engine is set up.
struct CliContext {
    const CliOptions& options;
    Platform& platform;
    IWmi& wmi;
    UpdateServices* services;
    std::ostream& out;
    std::ostream& err;
};

// The words a command takes after its name.
enum class CliWords { None, Rows, ReminderSet, IdentityFiles };

// Options that belong to some commands only.
enum CliCommandOption : unsigned { kTreeOption = 1, kDeadlineOption = 2, kReportFileOptions = 4, kMirrorOptions = 8 };

// One console command: its name, its handler and the rules of its command line.
struct CliCommand {
    const char* name;
    int (*run)(const CliContext&);
    bool fetches;           // needs the update services: a transfer engine and Ctrl+C
    CliWords words;
    unsigned ownOptions;    // CliCommandOption bits
    unsigned fewestRows;    // with CliWords::Rows: how many numbers it takes
    unsigned mostRows;
    const char* rowsError;  // said when the count is outside those
};

// The command of that name; null when there is none.
const CliCommand* FindCliCommand(std::string_view name);

}  // namespace veltra
