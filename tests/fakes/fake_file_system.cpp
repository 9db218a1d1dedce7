#include "fakes/fake_file_system.h"

#include <algorithm>
#include <cstring>

namespace veltra::fakes {
namespace {

class MemoryFile final : public IFile {
public:
    MemoryFile(std::shared_ptr<std::vector<unsigned char>> bytes, bool writable)
        : bytes_(std::move(bytes)), writable_(writable) {}

    std::size_t Read(void* buffer, std::size_t bytes) override {
        const std::size_t available = position_ < bytes_->size() ? bytes_->size() - position_ : 0;
        const std::size_t count = std::min(bytes, available);
        if (count != 0) std::memcpy(buffer, bytes_->data() + position_, count);
        position_ += count;
        return count;
    }
    std::size_t Write(const void* buffer, std::size_t bytes) override {
        if (!writable_) return 0;
        if (bytes_->size() < position_ + bytes) bytes_->resize(position_ + bytes);
        std::memcpy(bytes_->data() + position_, buffer, bytes);
        position_ += bytes;
        return bytes;
    }
    bool Seek(std::int64_t offset) override {
        if (offset < 0) return false;
        position_ = static_cast<std::size_t>(offset);
        return true;
    }
    bool SeekToEnd() override {
        position_ = bytes_->size();
        return true;
    }
    std::int64_t Tell() override { return static_cast<std::int64_t>(position_); }
    bool Flush() override { return true; }

private:
    std::shared_ptr<std::vector<unsigned char>> bytes_;
    bool writable_;
    std::size_t position_ = 0;
};

std::u16string ParentOf(const std::u16string& key) {
    const std::size_t separator = key.rfind(u'\\');
    return separator == std::u16string::npos ? std::u16string() : key.substr(0, separator);
}

}  // namespace

std::u16string FakeFileSystem::Key(const std::u16string& path) {
    std::u16string key;
    for (char16_t unit : path) {
        if (unit == u'/') unit = u'\\';
        if (unit >= u'A' && unit <= u'Z') unit = static_cast<char16_t>(unit - u'A' + u'a');
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

bool FakeFileSystem::IsDirectory(const std::u16string& path) { return folders_.count(Key(path)) != 0; }

bool FakeFileSystem::CanCreateIn(const std::u16string& key) const {
    const std::u16string parent = ParentOf(key);
    return folders_.count(parent) != 0 && readOnlyFolders_.count(parent) == 0;
}

std::unique_ptr<IFile> FakeFileSystem::Open(const std::u16string& path, FileOpenMode mode) {
    const std::u16string key = Key(path);
    if (folders_.count(key) != 0) return nullptr;
    auto found = files_.find(key);
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
    const char16_t letter = root[0] >= u'a' && root[0] <= u'z' ? static_cast<char16_t>(root[0] - 32) : root[0];
    const auto found = driveTypes.find(letter);
    return found == driveTypes.end() ? kFixed : found->second;
}

}  // namespace veltra::fakes
