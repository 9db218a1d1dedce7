#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace veltra {

inline constexpr std::size_t kMaxManifestPathBytes = 1024;

// A path a manifest may list: UTF-8, relative, '/'-separated segments that are neither
// empty nor "." nor "..", no backslash, no control character, at most 1024 bytes.
bool IsManifestPath(std::string_view path);

// The manifest path of an address below the server's base address (given without its
// trailing slash): what follows base + "/", as the address spells it (not percent-decoded).
// Nullopt when the address is not below the base, carries a query or fragment, or the rest
// is no manifest path.
std::optional<std::string> ManifestPath(const std::u16string& url, const std::u16string& base);

}  // namespace veltra
