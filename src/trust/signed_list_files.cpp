#include "trust/signed_list_files.h"

#include <array>
#include <memory>

#include "platform/file_system.h"

namespace veltra {

std::optional<std::vector<std::uint8_t>> ReadWholeFile(IFileSystem& files, const std::u16string& path, std::size_t limit) {
    const std::unique_ptr<IFile> file = files.Open(path, FileOpenMode::ReadOnly);
    if (!file) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::array<std::uint8_t, 65536> block;
    for (std::size_t read; (read = file->Read(block.data(), block.size())) > 0;) {
        if (read > limit - bytes.size()) return std::nullopt;
        bytes.insert(bytes.end(), block.begin(), block.begin() + static_cast<std::ptrdiff_t>(read));
    }
    return bytes;
}

std::vector<std::uint8_t> ReadSmallFile(IFileSystem& files, const std::u16string& path, std::size_t limit) {
    return ReadWholeFile(files, path, limit).value_or(std::vector<std::uint8_t>{});
}

bool WriteWholeFile(IFileSystem& files, const std::u16string& path, const std::vector<std::uint8_t>& bytes) {
    const std::unique_ptr<IFile> file = files.Open(path, FileOpenMode::ReadWriteTruncate);
    return file && file->Write(bytes.data(), bytes.size()) == bytes.size() && file->Flush();
}

}  // namespace veltra
