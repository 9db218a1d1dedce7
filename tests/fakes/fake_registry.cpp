#include "fakes/fake_registry.h"

namespace veltra::fakes {
namespace {

// Registry names are case-insensitive; a trailing backslash names the same key.
std::u16string Normalised(std::u16string name) {
    for (char16_t& unit : name) {
        if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit - u'A' + u'a');
    }
    while (!name.empty() && name.back() == u'\\') name.pop_back();
    return name;
}

}  // namespace

void FakeRegistry::Set(RegistryRoot root, const std::u16string& key, const std::u16string& value,
                       const std::u16string& text) {
    keys_[{static_cast<int>(root), Normalised(key)}][Normalised(value)] = text;
}

std::optional<std::u16string> FakeRegistry::ReadString(RegistryRoot root, const std::u16string& key,
                                                       const std::u16string& value, std::size_t byteCount) {
    ++reads;
    const auto found = keys_.find({static_cast<int>(root), Normalised(key)});
    if (found == keys_.end()) return std::nullopt;
    const auto entry = found->second.find(Normalised(value));
    if (entry == found->second.end()) return std::nullopt;
    if ((entry->second.size() + 1) * sizeof(char16_t) > byteCount) return std::nullopt;
    return entry->second;
}

}  // namespace veltra::fakes
