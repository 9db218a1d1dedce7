#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/crypto.h"
#include "trust/manifest.h"

namespace veltra {

enum class ManifestVerdict { Accepted, Malformed, BadSignature, Expired, Replayed, WrongFolder };

struct ManifestCheck {
    ManifestVerdict verdict = ManifestVerdict::Malformed;
    std::optional<Manifest> manifest;  // set only when Accepted
    std::u16string reason;             // the details behind the verdict, for the log
};

// The signature is checked before a byte of the text is read, so an attacker's text never
// reaches the reader. WrongFolder: the list names another folder than `folder`, the one it
// was fetched from. Expired: now at or past the expiry. Replayed: a sequence number lower
// than the last accepted one (the same manifest fetched again is fine).
ManifestCheck CheckManifest(ICrypto& crypto, std::span<const std::uint8_t> publicKey,
                            std::span<const std::uint8_t> manifestBytes, std::span<const std::uint8_t> signature,
                            std::string_view folder, std::int64_t nowUtcSeconds, std::uint64_t lastAcceptedSequence);

enum class FileVerdict { Matches, NotListed, SizeMismatch, HashMismatch };

// A fetched file against its manifest entry; the size is compared before the hash.
FileVerdict CheckFile(const Manifest& manifest, std::string_view path, std::uint64_t size, const Sha256Digest& sha256);

// What the user is told (empty when nothing needs saying) and the debug log line.
struct VerdictText {
    std::u16string message;
    std::u16string logLine;
};
VerdictText DescribeVerdict(const ManifestCheck& check);
VerdictText DescribeVerdict(FileVerdict verdict, std::string_view path);

}  // namespace veltra
