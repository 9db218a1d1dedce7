#include <sstream>

#include "profile_directives.h"

namespace veltra::profile {
namespace {

const DirectiveTable& Directives() {
    static const DirectiveTable table = [] {
        DirectiveTable built;
        AddMemoryDirectives(built);
        AddDeviceDirectives(built);
        AddWindowsDirectives(built);
        return built;
    }();
    return table;
}

void ApplyLine(MachineProfile& profile, const std::string& line) {
    std::vector<Token> tokens = SplitProfileLine(line);
    if (tokens.empty()) return;
    if (tokens[0].quoted) throw ProfileError("a line must start with a directive");
    const auto found = Directives().find(tokens[0].text);
    if (found == Directives().end()) throw ProfileError("unknown directive '" + tokens[0].text + "'");
    const Args args(tokens.begin() + 1, tokens.end());
    const Directive& directive = found->second;
    if (args.size() < directive.minArgs || args.size() > directive.maxArgs)
        throw ProfileError("wrong number of values for '" + tokens[0].text + "'");
    directive.apply(profile, args);
}

}  // namespace

ParseResult ParseMachineProfile(const std::string& text) {
    MachineProfile profile;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        try {
            ApplyLine(profile, line);
        } catch (const ProfileError& error) {
            return {std::nullopt, std::to_string(number) + ": " + error.what()};
        }
    }
    return {std::move(profile), {}};
}

}  // namespace veltra::profile
