#pragma once
#include <map>
#include <utility>

#include "platform/registry.h"

namespace veltra::fakes {

// A registry as a map of (root, key, value name) to string values, with the byte-count
// rule of RegQueryValueExW: the value and its terminator must fit.
class FakeRegistry final : public IRegistry {
public:
    void Set(RegistryRoot root, const std::u16string& key, const std::u16string& value, const std::u16string& text);
    void SetHklm(const std::u16string& key, const std::u16string& value, const std::u16string& text) {
        Set(RegistryRoot::LocalMachine, key, value, text);
    }
    std::optional<std::u16string> ReadString(RegistryRoot root, const std::u16string& key, const std::u16string& value,
                                             std::size_t byteCount) override;
    std::vector<std::u16string> SubKeyNames(RegistryRoot root, const std::u16string& key) override;
    bool WriteString(RegistryRoot root, const std::u16string& key, const std::u16string& value,
                     const std::u16string& text) override;

private:
    using Path = std::pair<int, std::u16string>;  // root and lower-cased key
    std::map<Path, std::map<std::u16string, std::u16string>> keys_;
    std::map<Path, std::u16string> spelling_;  // each key's name as it was first written
};

}  // namespace veltra::fakes
