#include "cli/log_folder_in_memory.h"

#include "core/text.h"
#include "platform/memory_file.h"

namespace veltra {
namespace {

// A file directly in a "VT5\LOG" folder, in any case as Windows names match.
bool InLogFolder(const std::u16string& upperPath) {
    const std::size_t slash = upperPath.rfind(u'\\');
    return slash != std::u16string::npos && std::u16string_view(upperPath).substr(0, slash).ends_with(u"VT5\\LOG");
}

}  // namespace

bool LogFolderInMemory::Exists(const std::u16string& path) {
    const std::u16string key = ToUpperAscii(path);
    return InLogFolder(key) ? kept_.contains(key) : files_.Exists(path);
}

std::unique_ptr<IFile> LogFolderInMemory::Open(const std::u16string& path, FileOpenMode mode) {
    const std::u16string key = ToUpperAscii(path);
    if (!InLogFolder(key)) return files_.Open(path, mode);
    if (mode == FileOpenMode::ReadWriteTruncate) kept_[key] = std::make_shared<std::vector<unsigned char>>();
    const auto found = kept_.find(key);
    if (found == kept_.end()) return nullptr;
    return std::make_unique<MemoryFile>(found->second, mode != FileOpenMode::ReadOnly);
}

bool LogFolderInMemory::Remove(const std::u16string& path) {
    const std::u16string key = ToUpperAscii(path);
    if (!InLogFolder(key)) return files_.Remove(path);
    kept_.erase(key);
    return true;
}

}  // namespace veltra
