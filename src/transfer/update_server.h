#pragma once
#include <optional>
#include <string>

namespace veltra {

class IRegistry;

// The default update server, replaced by the registry value or an explicit address, as
// ServerAddress gives it.
std::u16string UpdateServerBase(IRegistry& registry, const std::optional<std::u16string>& override);

// The server's name as a person reads it: the address without its scheme and folders, or
// the folder's path.
std::u16string ServerName(const std::u16string& base);

}  // namespace veltra
