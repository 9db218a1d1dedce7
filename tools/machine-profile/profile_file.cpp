#include <fstream>
#include <sstream>

#include "machine_profile.h"

namespace veltra::profile {
namespace {

std::optional<std::string> ReadText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace

std::optional<ParseResult> LoadMachineProfile(const std::filesystem::path& path) {
    const std::optional<std::string> text = ReadText(path);
    if (!text) return std::nullopt;
    const std::filesystem::path folder = path.parent_path();
    return ParseMachineProfile(*text, [&folder](const std::string& name) { return ReadText(folder / name); });
}

}  // namespace veltra::profile
