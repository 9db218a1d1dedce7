#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace veltra {

enum class RegistryRoot { LocalMachine, CurrentUser };

// The registry as the program uses it: it reads its settings and those of other programs,
// and writes one thing, the last accepted update manifest's sequence number.
class IRegistry {
public:
    virtual ~IRegistry() = default;
    // A string value read into a buffer of `byteCount` bytes, terminator included, as
    // RegQueryValueExW does: a value that does not fit, a missing key or value, or a
    // value of another type gives nullopt.
    virtual std::optional<std::u16string> ReadString(RegistryRoot root, const std::u16string& key,
                                                     const std::u16string& value, std::size_t byteCount) = 0;
    // Names of the direct sub-keys of a key, in the registry's order; none when the key is missing.
    virtual std::vector<std::u16string> SubKeyNames(RegistryRoot root, const std::u16string& key) = 0;
    // Stores a REG_SZ value, creating the key when it is missing; false when refused.
    virtual bool WriteString(RegistryRoot root, const std::u16string& key, const std::u16string& value,
                             const std::u16string& text) = 0;
};

}  // namespace veltra
