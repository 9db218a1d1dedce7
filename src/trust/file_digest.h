#pragma once
#include <optional>
#include <string>

#include "platform/crypto.h"

namespace veltra {

class IFileSystem;

// The size and SHA-256 of a whole file, read once in blocks; nothing when it cannot be opened.
struct FileDigest {
    std::uint64_t size = 0;
    Sha256Digest sha256{};
};
std::optional<FileDigest> DigestFile(IFileSystem& files, ICrypto& crypto, const std::u16string& path);

}  // namespace veltra
