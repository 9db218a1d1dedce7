#pragma once
#include <optional>
#include <string>

namespace veltra {

class IRegistry;

// The default update server, replaced by the registry value or an explicit address; no
// trailing slash.
std::u16string UpdateServerBase(IRegistry& registry, const std::optional<std::u16string>& override);

}  // namespace veltra
