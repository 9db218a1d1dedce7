#include "fakes/fake_file_system.h"

#include "core/text.h"
#include "platform/memory_file.h"

namespace veltra::fakes {
namespace {

std::u16string ParentOf(const std::u16string& key) {
    const std::size_t separator = key.rfind(u'\\');
    return separator == std::u16string::npos ? std::u16string() : key.substr(0, separator);
}

}  // namespace

std::u16string FakeFileSystem::Key(const std::u16string& path) {
    std::u16string key;
    for (char16_t unit : ToUpperAscii(path)) {
        if (unit == u'/') unit = u'\\';
        if (unit == u'\\' && !key.empty() && key.back() == u'\\') continue;  // "a\\b" is "a\b"
        key.push_back(unit);
    }
    while (!key.empty() && key.back() == u'\\') key.pop_back();
    return key;
}

void FakeFileSystem::AddFolder(const std::u16string& path) {
    for (std::u16string key = Key(path); !key.empty(); key = ParentOf(key)) folders_.insert(key);
}

void FakeFileSystem::AddFile(const std::u16string& path, std::vector<unsigned char> bytes) {
    const std::u16string key = Key(path);
    AddFolder(ParentOf(key));
    files_[key] = std::make_shared<std::vector<unsigned char>>(std::move(bytes));
}

void FakeFileSystem::MakeReadOnlyFolder(const std::u16string& path) {
    AddFolder(path);
    readOnlyFolders_.insert(Key(path));
}

std::vector<unsigned char> FakeFileSystem::Contents(const std::u16string& path) const {
    const auto found = files_.find(Key(path));
    return found == files_.end() ? std::vector<unsigned char>() : *found->second;
}

bool FakeFileSystem::HasFile(const std::u16string& path) const { return files_.count(Key(path)) != 0; }

bool FakeFileSystem::Exists(const std::u16string& path) {
    const std::u16string key = Key(path);
    return files_.count(key) != 0 || folders_.count(key) != 0;
}

bool FakeFileSystem::InReadOnlyFolder(const std::u16string& path) const { return readOnlyFolders_.count(ParentOf(Key(path))) != 0; }

bool FakeFileSystem::IsDirectory(const std::u16string& path) { return folders_.count(Key(path)) != 0; }

bool FakeFileSystem::CanCreateIn(const std::u16string& key) const {
    const std::u16string parent = ParentOf(key);
    return folders_.count(parent) != 0 && readOnlyFolders_.count(parent) == 0;
}

std::unique_ptr<IFile> FakeFileSystem::Open(const std::u16string& path, FileOpenMode mode) {
    const std::u16string key = Key(path);
    if (folders_.count(key) != 0) return nullptr;
    auto found = files_.find(key);
    const auto refused = refusedFiles_.find(key);
    if (refused != refusedFiles_.end() && (refused->second || mode != FileOpenMode::ReadOnly)) return nullptr;
    const bool readOnlyFolder = readOnlyFolders_.count(ParentOf(key)) != 0;
    if (mode == FileOpenMode::ReadWriteTruncate) {
        if (found == files_.end()) {
            if (!CanCreateIn(key)) return nullptr;
            found = files_.emplace(key, std::make_shared<std::vector<unsigned char>>()).first;
        } else if (readOnlyFolder) {
            return nullptr;
        }
        found->second->clear();
        return std::make_unique<MemoryFile>(found->second, true);
    }
    if (found == files_.end()) return nullptr;
    const bool writable = mode == FileOpenMode::ReadWriteKeep;
    if (writable && readOnlyFolder) return nullptr;
    return std::make_unique<MemoryFile>(found->second, writable);
}

bool FakeFileSystem::MakeDirectory(const std::u16string& path) {
    const std::u16string key = Key(path);
    if (folders_.count(key) != 0) return true;
    if (files_.count(key) != 0 || !CanCreateIn(key)) return false;
    folders_.insert(key);
    return true;
}

unsigned FakeFileSystem::DriveType(const std::u16string& root) {
    constexpr unsigned kNoRootDirectory = 1;
    constexpr unsigned kFixed = 3;
    if (root.size() != 3 || root[1] != u':' || root[2] != u'\\') return kNoRootDirectory;
    const auto found = driveTypes.find(ToUpperAscii(root)[0]);
    return found == driveTypes.end() ? kFixed : found->second;
}

}  // namespace veltra::fakes
