#include "trust/signed_list_files.h"

#include <memory>

#include "platform/file_system.h"

namespace veltra {

std::vector<std::uint8_t> ReadSmallFile(IFileSystem& files, const std::u16string& path, std::size_t limit) {
    const std::unique_ptr<IFile> file = files.Open(path, FileOpenMode::ReadOnly);
    if (!file) return {};
    std::vector<std::uint8_t> bytes(limit + 1);
    std::size_t total = 0;
    for (std::size_t read = 1; read > 0 && total < bytes.size(); total += read)
        read = file->Read(bytes.data() + total, bytes.size() - total);
    if (total > limit) return {};
    bytes.resize(total);
    return bytes;
}

bool WriteWholeFile(IFileSystem& files, const std::u16string& path, const std::vector<std::uint8_t>& bytes) {
    const std::unique_ptr<IFile> file = files.Open(path, FileOpenMode::ReadWriteTruncate);
    return file && file->Write(bytes.data(), bytes.size()) == bytes.size() && file->Flush();
}

}  // namespace veltra
