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

constexpr int kMaxIncludeDepth = 4;  // also ends include cycles

void ApplyText(MachineProfile& profile, const std::string& text, const IncludeLoader& loader, int depth);

void Include(MachineProfile& profile, const std::vector<Token>& tokens, const IncludeLoader& loader, int depth) {
    if (tokens.size() != 2 || !tokens[1].quoted) throw ProfileError("include takes one quoted file name");
    if (depth >= kMaxIncludeDepth) throw ProfileError("includes nested deeper than 4");
    const std::optional<std::string> text = loader ? loader(tokens[1].text) : std::nullopt;
    if (!text) throw ProfileError("included file '" + tokens[1].text + "' cannot be read");
    try {
        ApplyText(profile, *text, loader, depth + 1);
    } catch (const ProfileError& error) {
        throw ProfileError("in '" + tokens[1].text + "' line " + error.what());
    }
}

void ApplyLine(MachineProfile& profile, const std::string& line, const IncludeLoader& loader, int depth) {
    std::vector<Token> tokens = SplitProfileLine(line);
    if (tokens.empty()) return;
    if (tokens[0].quoted) throw ProfileError("a line must start with a directive");
    if (tokens[0].text == "include") return Include(profile, tokens, loader, depth);
    const auto found = Directives().find(tokens[0].text);
    if (found == Directives().end()) throw ProfileError("unknown directive '" + tokens[0].text + "'");
    const Args args(tokens.begin() + 1, tokens.end());
    const Directive& directive = found->second;
    if (args.size() < directive.minArgs || args.size() > directive.maxArgs)
        throw ProfileError("wrong number of values for '" + tokens[0].text + "'");
    directive.apply(profile, args);
}

// Applies every line; a mistake is rethrown as "LINE: message".
void ApplyText(MachineProfile& profile, const std::string& text, const IncludeLoader& loader, int depth) {
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        try {
            ApplyLine(profile, line, loader, depth);
        } catch (const ProfileError& error) {
            throw ProfileError(std::to_string(number) + ": " + error.what());
        }
    }
}

}  // namespace

ParseResult ParseMachineProfile(const std::string& text, const IncludeLoader& loader) {
    MachineProfile profile;
    try {
        ApplyText(profile, text, loader, 0);
    } catch (const ProfileError& error) {
        return {std::nullopt, error.what()};
    }
    return {std::move(profile), {}};
}

}  // namespace veltra::profile
