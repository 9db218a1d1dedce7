#include "trust/file_digest.h"

#include <vector>

#include "platform/file_system.h"

namespace veltra {

std::optional<FileDigest> DigestFile(IFileSystem& files, ICrypto& crypto, const std::u16string& path) {
    const std::unique_ptr<IFile> file = files.Open(path, FileOpenMode::ReadOnly);
    if (!file) return std::nullopt;
    const std::unique_ptr<ISha256> hash = crypto.NewSha256();
    std::vector<std::uint8_t> block(1u << 16);
    FileDigest digest;
    for (std::size_t read; (read = file->Read(block.data(), block.size())) > 0; digest.size += read)
        hash->Add(std::span<const std::uint8_t>(block.data(), read));
    digest.sha256 = hash->Finish();
    return digest;
}

}  // namespace veltra
