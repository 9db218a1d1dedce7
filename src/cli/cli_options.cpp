#include "cli/cli_options.h"

#include "app/text.h"

namespace veltra {
namespace {

constexpr const char* kCommands[] = {"identify"};

bool IsKnownCommand(const std::string& name) {
    for (const char* command : kCommands) {
        if (name == command) return true;
    }
    return false;
}

CliParseResult Fail(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

CliParseResult ParseCliArguments(const std::vector<std::u16string>& arguments) {
    CliOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string argument = Utf16ToUtf8(arguments[i]);
        if (argument == "--help" || argument == "-h") {
            options.command = "help";
            return {options, {}};
        }
        if (argument == "--debug") {
            options.debug = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--work") {
            if (i + 1 >= arguments.size()) return Fail("option --work needs a folder");
            options.workFolder = arguments[++i];
        } else if (argument.starts_with("-")) {
            return Fail("unknown option " + argument + " (see --help)");
        } else if (!options.command.empty()) {
            return Fail("unexpected argument " + argument + " (see --help)");
        } else if (!IsKnownCommand(argument)) {
            return Fail("unknown command " + argument + " (see --help)");
        } else {
            options.command = argument;
        }
    }
    if (options.command.empty()) return Fail("no command given (see --help)");
    return {options, {}};
}

std::string CliUsage() {
    return "Usage: veltra-cli COMMAND [OPTIONS]\n"
           "\n"
           "Commands:\n"
           "  identify      print what start-up identifies of this computer, one\n"
           "                VT5.<field>=<value> line per field\n"
           "\n"
           "Options:\n"
           "  --work DIR    use DIR as the work folder instead of the executable's folder\n"
           "  --debug       print the numbered debug lines to standard error\n"
           "  --json        print the result as one JSON object\n"
           "  --help        print this help\n"
           "\n"
           "Exit codes: 0 done, 1 the command failed, 2 bad command line.\n";
}

}  // namespace veltra
