#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace veltra {

struct SignOptions {
    std::filesystem::path key;   // the maker's RSA private key, PEM
    std::filesystem::path tree;  // the update server's tree, its base address's folder
    std::uint64_t sequence = 0;
    std::int64_t expires = 0;    // UTC seconds since 1970
};

struct ParsedSignOptions {
    std::optional<SignOptions> options;
    std::string error;  // what is wrong with the command line
};

inline constexpr char kSignUsage[] =
    "usage: sign-server --key PRIVATE.pem --tree DIR [--sequence N] [--expires YYYY-MM-DD | --days N]\n"
    "  Writes DIR/DataBase/manifest.txt and manifest.sig, and the same in DIR/DQATest.\n"
    "  --sequence  the manifests' sequence number (default: the current UTC time in seconds)\n"
    "  --expires   the day the manifests expire, at 00:00 UTC; --days N: N days from now (default 365)\n";

// The command line's words after the program name, with now as the defaults' base.
ParsedSignOptions ParseSignOptions(std::span<const std::string> words, std::int64_t nowUtcSeconds);

}  // namespace veltra
