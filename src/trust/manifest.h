#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/crypto.h"

namespace veltra {

// One file the maker vouches for: its path below the server's base address, size and hash.
struct ManifestEntry {
    std::string path;
    std::uint64_t size = 0;
    Sha256Digest sha256{};
    bool operator==(const ManifestEntry&) const = default;
};

// A server folder's signed file list (the format is in docs/signed-updates.md).
struct Manifest {
    std::string folder;  // the server folder the list is for, e.g. "DataBase": it is signed with the rest
    std::uint64_t sequence = 0;
    std::int64_t expires = 0;  // UTC seconds since 1970
    std::vector<ManifestEntry> files;
    // The entry of a path, compared exactly (the server's file names are case-sensitive).
    const ManifestEntry* Find(std::string_view path) const;
    bool operator==(const Manifest&) const = default;
};

struct ManifestRead {
    std::optional<Manifest> manifest;
    std::string error;  // why the text is malformed, when there is no manifest
};

// The largest manifest read: far beyond any real server, small enough for XP's memory.
inline constexpr std::size_t kMaxManifestBytes = 4 * 1024 * 1024;

ManifestRead ReadManifest(std::span<const std::uint8_t> bytes);
// The text ReadManifest reads back to the same manifest; `expires` must lie in the years
// 1970 to 9999 and every path must be a manifest path, listed once.
std::string WriteManifest(const Manifest& manifest);

}  // namespace veltra
