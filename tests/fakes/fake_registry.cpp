#include "fakes/fake_registry.h"

#include <algorithm>

#include "core/text.h"

namespace veltra::fakes {
namespace {

// Registry names are case-insensitive; a trailing backslash names the same key.
std::u16string Normalised(std::u16string name) {
    name = ToUpperAscii(std::move(name));
    while (!name.empty() && name.back() == u'\\') name.pop_back();
    return name;
}

}  // namespace

void FakeRegistry::Set(RegistryRoot root, const std::u16string& key, const std::u16string& value,
                       const std::u16string& text) {
    const Path path{static_cast<int>(root), Normalised(key)};
    keys_[path][Normalised(value)] = text;
    std::u16string spelled = key;
    while (!spelled.empty() && spelled.back() == u'\\') spelled.pop_back();
    spelling_.emplace(path, spelled);
}

bool FakeRegistry::WriteString(RegistryRoot root, const std::u16string& key, const std::u16string& value,
                               const std::u16string& text) {
    Set(root, key, value, text);
    return true;
}

std::vector<std::u16string> FakeRegistry::SubKeyNames(RegistryRoot root, const std::u16string& key) {
    // Parent keys exist implicitly, as they do for every key written below them.
    const std::u16string prefix = Normalised(key) + u'\\';
    std::vector<std::u16string> names;
    for (const auto& [path, spelled] : spelling_) {
        if (path.first != static_cast<int>(root) || !path.second.starts_with(prefix)) continue;
        std::u16string rest = spelled.substr(prefix.size());
        rest = rest.substr(0, rest.find(u'\\'));
        if (std::find(names.begin(), names.end(), rest) == names.end()) names.push_back(rest);
    }
    return names;
}

std::optional<std::u16string> FakeRegistry::ReadString(RegistryRoot root, const std::u16string& key,
                                                       const std::u16string& value, std::size_t byteCount) {
    const auto found = keys_.find({static_cast<int>(root), Normalised(key)});
    if (found == keys_.end()) return std::nullopt;
    const auto entry = found->second.find(Normalised(value));
    if (entry == found->second.end()) return std::nullopt;
    if ((entry->second.size() + 1) * sizeof(char16_t) > byteCount) return std::nullopt;
    return entry->second;
}

}  // namespace veltra::fakes
