#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/crypto.h"

namespace veltra {

// The words and field forms of a manifest's lines, read and written in one place.
inline constexpr std::string_view kManifestHeader = "veltra-manifest 1";
inline constexpr std::string_view kFolderField = "folder ";
inline constexpr std::string_view kSequenceField = "sequence ";
inline constexpr std::string_view kExpiresField = "expires ";

// 64 lowercase hexadecimal digits.
std::optional<Sha256Digest> ParseDigestHex(std::string_view hex);
std::string DigestHex(const Sha256Digest& digest);

// Decimal digits alone that fit in 64 bits.
std::optional<std::uint64_t> ParseDecimal(std::string_view digits);

// "YYYY-MM-DDTHH:MM:SSZ" in UTC, years 1970 to 9999; seconds since 1970.
std::optional<std::int64_t> ParseUtcTime(std::string_view text);
std::string UtcTimeText(std::int64_t seconds);

}  // namespace veltra
