#include "cli/cli_options.h"

#include "core/text.h"
#include "download/server_address.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace veltra {
namespace {

constexpr const char* kCommands[] = {"identify", "check", "list", "scan", "download", "install", "history", "reminder", "verify", "report"};

bool IsKnownCommand(const std::string& name) {
    for (const char* command : kCommands) {
        if (name == command) return true;
    }
    return false;
}

bool TakesRows(const std::string& command) { return command == "download" || command == "install"; }

// Decimal digits, no more than `highest` has, of a number lowest to highest; nothing else.
std::optional<int> NumberIn(const std::string& text, int lowest, int highest) {
    const bool digits = !text.empty() && text.size() <= std::to_string(highest).size() &&
                        text.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::stoi(text) < lowest || std::stoi(text) > highest) return std::nullopt;
    return std::stoi(text);
}

// A record index as "list" prints it: 1 to 99999.
bool IsRowNumber(const std::string& text) { return NumberIn(text, 1, 99999).has_value(); }

CliParseResult Fail(std::string error) { return {std::nullopt, std::move(error)}; }

// The index of `word` in `words`, ignoring ASCII case; -1 when absent.
template <std::size_t N>
int WordIndex(const std::string& word, const char* const (&words)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        const std::string name = words[i];
        const bool same = name.size() == word.size() &&
                          std::equal(name.begin(), name.end(), word.begin(), [](char a, char b) { return std::tolower(a) == std::tolower(b); });
        if (same) return static_cast<int>(i);
    }
    return -1;
}

constexpr const char* kFrequencyWords[] = {"week", "month", "3months", "never"};
constexpr const char* kWeekdayWords[] = {"sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday"};

// "reminder set FREQUENCY": the words after the command.
std::string TakeReminderWord(CliOptions& options, const std::string& argument) {
    if (options.command != "reminder" || options.reminderFrequency) return "unexpected argument " + argument + " (see --help)";
    if (!options.reminderSet) {
        if (argument != "set") return "unexpected argument " + argument + " (see --help)";
        options.reminderSet = true;
        return {};
    }
    const int frequency = WordIndex(argument, kFrequencyWords);
    if (frequency < 0) return "reminder set takes week, month, 3months or never";
    options.reminderFrequency = frequency;
    return {};
}

struct CategoryWord {
    const char* name;
    int bit;
};

// The update page's seven boxes: the six categories and the graphics-device table.
constexpr CategoryWord kCategoryWords[] = {
    {"mb-driver", 1}, {"mb-bios", 2},   {"vga-driver", 4}, {"vga-bios", 8},
    {"norva-utility", 16}, {"other-utility", 32}, {"viddid", 64},
};

int CategoryBit(const std::string& word) {
    for (const CategoryWord& category : kCategoryWords) {
        if (word == category.name) return category.bit;
    }
    return 0;
}

// "mb-bios,vga-driver" or a number from 1 to 127; 0 for anything else.
int ParseCategories(const std::string& text) {
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos) {
        const int mask = text.size() <= 3 ? std::stoi(text) : 0;
        return mask <= 127 ? mask : 0;
    }
    int mask = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const int bit = CategoryBit(text.substr(start, comma - start));
        if (bit == 0) return 0;
        mask |= bit;
        start = comma + 1;
    }
    return mask;
}

std::string CategoryWordList() {
    std::string list;
    for (const CategoryWord& category : kCategoryWords) {
        if (!list.empty()) list += ',';
        list += category.name;
    }
    return list;
}

}  // namespace

CliParseResult ParseCliArguments(const std::vector<std::u16string>& arguments) {
    CliOptions options;
    bool deadlineGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string argument = Utf16ToUtf8(arguments[i]);
        if (argument == "--help" || argument == "-h" || argument == "--version") {
            options.command = argument == "--version" ? "version" : "help";
            return {options, {}};
        }
        if (argument == "--debug") {
            options.debug = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--categories") {
            if (i + 1 >= arguments.size()) return Fail("option --categories needs a list");
            options.categories = ParseCategories(Utf16ToUtf8(arguments[++i]));
            options.manualScan = true;
            if (options.categories == 0) return Fail("option --categories takes names from " + CategoryWordList() + " or a number 1 to 127");
        } else if (argument == "--identity") {
            if (i + 1 >= arguments.size()) return Fail("option --identity needs a file");
            options.identityFile = arguments[++i];
            options.identityFiles.push_back(*options.identityFile);
        } else if (argument == "--csv") {
            options.csv = true;
        } else if (argument == "--html") {
            if (i + 1 >= arguments.size()) return Fail("option --html needs a file");
            options.htmlFile = arguments[++i];
        } else if (argument == "--server") {
            if (i + 1 >= arguments.size()) return Fail("option --server needs an address");
            options.server = arguments[++i];
            if (!ServerAddress(*options.server))
                return Fail("option --server takes an http:// or https:// address, a file: address or a folder (C:\\mirror, \\\\host\\share)");
        } else if (argument == "--tree") {
            if (i + 1 >= arguments.size()) return Fail("option --tree needs a folder");
            options.tree = arguments[++i];
        } else if (argument == "--deadline") {
            if (i + 1 >= arguments.size()) return Fail("option --deadline needs a number of seconds");
            const std::optional<int> seconds = NumberIn(Utf16ToUtf8(arguments[++i]), 1, 86400);
            if (!seconds) return Fail("option --deadline takes seconds, 1 to 86400");
            options.deadlineSeconds = *seconds;
            deadlineGiven = true;
        } else if (argument == "--work") {
            if (i + 1 >= arguments.size()) return Fail("option --work needs a folder");
            options.workFolder = arguments[++i];
        } else if (argument == "--weekday") {
            if (i + 1 >= arguments.size()) return Fail("option --weekday needs a day's name");
            options.reminderWeekday = WordIndex(Utf16ToUtf8(arguments[++i]), kWeekdayWords);
            if (*options.reminderWeekday < 0) return Fail("option --weekday takes a day's name, Sunday to Saturday");
        } else if (argument == "--date") {
            if (i + 1 >= arguments.size()) return Fail("option --date needs a day of the month");
            options.reminderDate = NumberIn(Utf16ToUtf8(arguments[++i]), 1, 31);
            if (!options.reminderDate) return Fail("option --date takes a day of the month, 1 to 31");
        } else if (argument.starts_with("-")) {
            return Fail("unknown option " + argument + " (see --help)");
        } else if (options.command == "report" && !options.identityFiles.empty()) {
            options.identityFiles.push_back(arguments[i]);
        } else if (TakesRows(options.command) && IsRowNumber(argument)) {
            options.rows.push_back(std::stoi(argument));
        } else if (!options.command.empty()) {
            const std::string error = TakeReminderWord(options, argument);
            if (!error.empty()) return Fail(error);
        } else if (!IsKnownCommand(argument)) {
            return Fail("unknown command " + argument + " (see --help)");
        } else {
            options.command = argument;
        }
    }
    if (options.command.empty()) return Fail("no command given (see --help)");
    if (options.reminderSet && !options.reminderFrequency) return Fail("reminder set needs week, month, 3months or never");
    const bool reminderValues = options.reminderWeekday || options.reminderDate;
    if (reminderValues && !options.reminderSet) return Fail("--weekday and --date belong to reminder set");
    if (options.tree && options.command != "verify") return Fail("--tree belongs to verify");
    if (deadlineGiven && (options.command != "verify" || options.tree)) return Fail("--deadline belongs to verify of a server");
    if ((options.csv || options.htmlFile) && options.command != "report") return Fail("--csv and --html belong to report");
    if (options.csv && options.json) return Fail("--json and --csv do not go together");
    if (options.command == "report" && options.identityFiles.empty()) return Fail("report needs --identity FILE...");
    if (options.command == "report" && options.manualScan) return Fail("report checks every category: --categories does not go with it");
    if (options.command == "download" && options.rows.empty()) return Fail("download needs the numbers of the updates (see list)");
    if (options.command == "install" && options.rows.size() != 1) return Fail("install takes the number of one update (see list)");
    return {options, {}};
}

std::string CliUsage() {
    return "Usage: veltra-cli COMMAND [OPTIONS]\n"
           "\n"
           "Commands:\n"
           "  identify      print what start-up identifies of this computer, one\n"
           "                VT5.<field>=<value> line per field; with --json also what the\n"
           "                checks read (see docs/identity.md), so another PC can check it\n"
           "  check         compare the catalogues in the work folder's VT5\\DL_INFO\\ with\n"
           "                this computer, write VT5\\LOG\\CheckList.rec and print the updates\n"
           "  list          print the updates of the last check (VT5\\LOG\\CheckList.rec)\n"
           "  scan          fetch the catalogues from the update server into VT5\\DL_INFO\\,\n"
           "                run the checks and print the updates (all categories, or the\n"
           "                boxes of --categories; the viddid table follows mb-driver)\n"
           "  download N... fetch the files of these updates (numbers as list prints\n"
           "                them) into VT5\\DL_FILE\\ and record them in the history\n"
           "  install N     fetch one update's file and start it\n"
           "  history       print the download history (VT5\\LOG\\History.rec)\n"
           "  reminder      print the reminder schedule (VT5\\LOG\\Reminder.rec), whether a\n"
           "                reminder is due now and when the clock gives the next one\n"
           "  reminder set week|month|3months|never [--weekday NAME] [--date N]\n"
           "                store a schedule as the Setting page's Apply does; values\n"
           "                not given keep what is stored\n"
           "  verify        check the update server (or with --tree a copy of its tree)\n"
           "                against the maker's key this build pins: each folder's signed\n"
           "                list (DataBase, DQATest), its sequence and expiry, then every\n"
           "                file it lists: ok, missing, size mismatch, hash mismatch or\n"
           "                not reached in time\n"
           "  report --identity FILE... [--json|--csv] [--html FILE]\n"
           "                fetch the catalogues once, check every saved identity and print\n"
           "                which PC needs which update, with a count per update; --html\n"
           "                also writes the report as one web page\n"
           "\n"
           "Options:\n"
           "  --work DIR    use DIR as the work folder instead of the executable's folder\n"
           "  --debug       print the numbered debug lines to standard error\n"
           "  --categories LIST  check only these categories: a comma-separated list of\n"
           "                mb-driver,mb-bios,vga-driver,vga-bios,norva-utility,\n"
           "                other-utility,viddid, or their bits as one number (1 to 127)\n"
           "  --identity FILE  check for the computer saved in FILE by identify --json\n"
           "  --server URL  the update server for this run; otherwise the registry value\n"
           "                UpdateServer under HKLM\\SOFTWARE\\Norva\\Veltra Series\\, or the\n"
           "                address the program was built with. An http:// or https://\n"
           "                address, or a mirror folder: C:\\mirror, \\\\host\\share\\mirror or\n"
           "                file:///C:/mirror (read as the server, signed lists checked alike)\n"
           "  --tree DIR    verify the server tree in DIR instead of the server\n"
           "  --deadline SECONDS  the time verify may take for all of a server's files\n"
           "                (600 unless given); what it did not reach is said so\n"
           "  --weekday NAME  the day of a weekly reminder, Sunday to Saturday\n"
           "  --date N      the day of the month of a monthly or 3-monthly reminder;\n"
           "                in shorter months the month's last day\n"
           "  --json        print the result as one JSON object\n"
           "  --csv         print the report as CSV for a spreadsheet\n"
           "  --help        print this help\n"
           "  --version     print the program's version\n"
           "\n"
           "Ctrl+C stops the running transfer (user break).\n"
           "Exit codes: 0 done, 1 the command failed or a transfer failed, 2 bad command line.\n";
}

bool IsUpdateCommand(const std::string& command) {
    return command == "scan" || command == "download" || command == "install" || command == "verify" || command == "report";
}

}  // namespace veltra
