#include "cli/cli_options.h"

#include "cli/cli_commands.h"
#include "core/text.h"
#include "transfer/server_address.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string>

namespace veltra {
namespace {

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
    if (options.reminderFrequency) return "unexpected argument " + argument + " (see --help)";
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

// The command line as it is read: the options so far and the command's row once named.
struct Parsing {
    CliOptions options;
    const CliCommand* command = nullptr;
    bool deadlineGiven = false;
};

using OptionValue = std::optional<std::u16string>;

struct OptionRow {
    const char* name;
    const char* missingValue;  // said when the option's value is missing; null for a switch
    std::string (*take)(Parsing&, const OptionValue&);
};

std::string TakeCategories(Parsing& p, const OptionValue& value) {
    p.options.categories = ParseCategories(Utf16ToUtf8(*value));
    p.options.manualScan = true;
    if (p.options.categories != 0) return {};
    return "option --categories takes names from " + CategoryWordList() + " or a number 1 to 127";
}

std::string TakeDeadline(Parsing& p, const OptionValue& value) {
    const std::optional<int> seconds = NumberIn(Utf16ToUtf8(*value), 1, 86400);
    if (!seconds) return "option --deadline takes seconds, 1 to 86400";
    p.options.deadlineSeconds = *seconds;
    p.deadlineGiven = true;
    return {};
}

std::string TakeWeekday(Parsing& p, const OptionValue& value) {
    p.options.reminderWeekday = WordIndex(Utf16ToUtf8(*value), kWeekdayWords);
    return *p.options.reminderWeekday < 0 ? "option --weekday takes a day's name, Sunday to Saturday" : "";
}

std::string TakeDate(Parsing& p, const OptionValue& value) {
    p.options.reminderDate = NumberIn(Utf16ToUtf8(*value), 1, 31);
    return p.options.reminderDate ? "" : "option --date takes a day of the month, 1 to 31";
}

std::string TakeServer(Parsing& p, const OptionValue& value) {
    p.options.server = value;
    if (ServerAddress(*value)) return {};
    return "option --server takes an http:// or https:// address, a file: address or a folder (C:\\mirror, \\\\host\\share)";
}

const OptionRow kOptions[] = {
    {"--debug", nullptr, [](Parsing& p, const OptionValue&) { p.options.debug = true; return std::string(); }},
    {"--json", nullptr, [](Parsing& p, const OptionValue&) { p.options.json = true; return std::string(); }},
    {"--csv", nullptr, [](Parsing& p, const OptionValue&) { p.options.csv = true; return std::string(); }},
    {"--categories", "option --categories needs a list", TakeCategories},
    {"--identity", "option --identity needs a file",
     [](Parsing& p, const OptionValue& value) {
         p.options.identityFile = value;
         p.options.identityFiles.push_back(*value);
         return std::string();
     }},
    {"--html", "option --html needs a file", [](Parsing& p, const OptionValue& value) { p.options.htmlFile = value; return std::string(); }},
    {"--server", "option --server needs an address", TakeServer},
    {"--to", "option --to needs a folder", [](Parsing& p, const OptionValue& value) { p.options.mirrorFolder = value; return std::string(); }},
    {"--prune", nullptr, [](Parsing& p, const OptionValue&) { p.options.prune = true; return std::string(); }},
    {"--tree", "option --tree needs a folder", [](Parsing& p, const OptionValue& value) { p.options.tree = value; return std::string(); }},
    {"--deadline", "option --deadline needs a number of seconds", TakeDeadline},
    {"--work", "option --work needs a folder", [](Parsing& p, const OptionValue& value) { p.options.workFolder = value; return std::string(); }},
    {"--weekday", "option --weekday needs a day's name", TakeWeekday},
    {"--date", "option --date needs a day of the month", TakeDate},
};

const OptionRow* FindOption(const std::string& name) {
    for (const OptionRow& option : kOptions) {
        if (name == option.name) return &option;
    }
    return nullptr;
}

// A word after the command: an identity file, an update's number or the reminder's words.
std::string TakeCommandWord(Parsing& p, const std::u16string& word) {
    const std::string argument = Utf16ToUtf8(word);
    const CliWords words = p.command->words;
    if (words == CliWords::IdentityFiles && !p.options.identityFiles.empty()) p.options.identityFiles.push_back(word);
    else if (words == CliWords::Rows && IsRowNumber(argument)) p.options.rows.push_back(std::stoi(argument));
    else if (words == CliWords::ReminderSet) return TakeReminderWord(p.options, argument);
    else return "unexpected argument " + argument + " (see --help)";
    return {};
}

std::string TakeCommand(Parsing& p, const std::string& name) {
    p.command = FindCliCommand(name);
    if (p.command == nullptr) return "unknown command " + name + " (see --help)";
    p.options.command = name;
    return {};
}

// One argument (with the next as its value where it takes one); i is left on the last used.
std::string TakeArgument(Parsing& p, const std::vector<std::u16string>& arguments, std::size_t& i) {
    const std::string argument = Utf16ToUtf8(arguments[i]);
    const OptionRow* option = FindOption(argument);
    if (option != nullptr && option->missingValue == nullptr) return option->take(p, std::nullopt);
    if (option != nullptr) return i + 1 < arguments.size() ? option->take(p, arguments[++i]) : option->missingValue;
    if (argument.starts_with("-")) return "unknown option " + argument + " (see --help)";
    return p.command != nullptr ? TakeCommandWord(p, arguments[i]) : TakeCommand(p, argument);
}

bool Owns(const CliCommand& command, CliCommandOption option) { return (command.ownOptions & option) != 0; }

// The rules over the whole line, in the order their messages are given.
struct LineRule {
    bool (*broken)(const Parsing&);
    const char* message;
};

bool RowsOutOfCount(const Parsing& p) {
    const std::size_t rows = p.options.rows.size();
    return p.command->words == CliWords::Rows && (rows < p.command->fewestRows || rows > p.command->mostRows);
}

constexpr LineRule kLineRules[] = {
    {[](const Parsing& p) { return p.options.reminderSet && !p.options.reminderFrequency; }, "reminder set needs week, month, 3months or never"},
    {[](const Parsing& p) { return (p.options.reminderWeekday || p.options.reminderDate) && !p.options.reminderSet; },
     "--weekday and --date belong to reminder set"},
    {[](const Parsing& p) { return p.options.tree && !Owns(*p.command, kTreeOption); }, "--tree belongs to verify"},
    {[](const Parsing& p) { return p.deadlineGiven && (!Owns(*p.command, kDeadlineOption) || p.options.tree); },
     "--deadline belongs to verify of a server and to mirror"},
    {[](const Parsing& p) { return (p.options.mirrorFolder || p.options.prune) != Owns(*p.command, kMirrorOptions); },
     "mirror needs --to DIR, and --to and --prune belong to it"},
    {[](const Parsing& p) { return (p.options.csv || p.options.htmlFile) && !Owns(*p.command, kReportFileOptions); },
     "--csv and --html belong to report"},
    {[](const Parsing& p) { return p.options.csv && p.options.json; }, "--json and --csv do not go together"},
    {[](const Parsing& p) { return Owns(*p.command, kReportFileOptions) && p.options.identityFiles.empty(); },
     "report needs --identity FILE..."},
    {[](const Parsing& p) { return Owns(*p.command, kReportFileOptions) && p.options.manualScan; },
     "report checks every category: --categories does not go with it"},
};

std::string BrokenLineRule(const Parsing& p) {
    if (p.command == nullptr) return "no command given (see --help)";
    for (const LineRule& rule : kLineRules) {
        if (rule.broken(p)) return rule.message;
    }
    return RowsOutOfCount(p) ? p.command->rowsError : "";
}

bool AsksForHelp(const std::string& argument) { return argument == "--help" || argument == "-h" || argument == "--version"; }

}  // namespace

CliParseResult ParseCliArguments(const std::vector<std::u16string>& arguments) {
    Parsing p;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string argument = Utf16ToUtf8(arguments[i]);
        if (AsksForHelp(argument)) {
            p.options.command = argument == "--version" ? "version" : "help";
            return {p.options, {}};
        }
        const std::string error = TakeArgument(p, arguments, i);
        if (!error.empty()) return Fail(error);
    }
    const std::string error = BrokenLineRule(p);
    if (!error.empty()) return Fail(error);
    return {p.options, {}};
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
           "  mirror --to DIR [--prune] [--identity FILE...] [--categories LIST]\n"
           "                copy the update server's signed lists, catalogues and files\n"
           "                into DIR, each file checked against its list as it arrives;\n"
           "                files DIR holds already are kept, the lists are placed last;\n"
           "                --prune removes the files the new lists no longer name; with\n"
           "                --categories only those catalogues and their files, with\n"
           "                --identity only the files those saved PCs' checks offer\n"
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
           "  --deadline SECONDS  the time verify or mirror may take for all of a\n"
           "                server's files (600 unless given); what it did not reach is\n"
           "                said so\n"
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

}  // namespace veltra
