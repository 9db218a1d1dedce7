#pragma once
#include <optional>
#include <string>
#include <vector>

namespace veltra {

struct CliOptions {
    std::string command;  // "identify", "check", "list", "scan", "download", "install", "history", "reminder",
                          // "verify", "report", "mirror", "help" or "version"
    std::optional<std::u16string> workFolder;
    int categories = 127;  // category bits for "check"; all of them unless --categories narrows it
    bool manualScan = false;  // --categories given: "scan" ticks those boxes
    std::vector<int> rows;    // record indexes for "download" and "install"
    std::optional<std::u16string> server;  // --server: the update server for this run
    std::optional<std::u16string> identityFile;
    std::vector<std::u16string> identityFiles;  // "report --identity FILE...": every file named
    bool csv = false;                           // "report --csv"
    std::optional<std::u16string> htmlFile;     // "report --html FILE"
    std::optional<std::u16string> mirrorFolder;  // "mirror --to DIR"
    bool prune = false;                          // "mirror --prune"
    std::optional<std::u16string> tree;  // --tree: "verify" reads a local copy of the server's tree
    int deadlineSeconds = 600;  // --deadline: the time "verify" may take for all of a server's files
    // "reminder set FREQUENCY [--weekday NAME] [--date N]": the values to store.
    bool reminderSet = false;
    std::optional<int> reminderFrequency;
    std::optional<int> reminderWeekday;
    std::optional<int> reminderDate;
    bool debug = false;
    bool json = false;
};

struct CliParseResult {
    std::optional<CliOptions> options;
    std::string error;  // one line, set when options is empty
};

// Arguments without the program name, as UTF-16 texts.
CliParseResult ParseCliArguments(const std::vector<std::u16string>& arguments);

std::string CliUsage();

}  // namespace veltra
