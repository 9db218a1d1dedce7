#pragma once
#include <map>
#include <memory>
#include <set>
#include <vector>

#include "platform/file_system.h"

namespace veltra::fakes {

// Files as byte vectors keyed by case-folded Windows path; folders as a set. A file can be
// created only in an existing folder that is not marked read-only.
class FakeFileSystem final : public IFileSystem {
public:
    void AddFolder(const std::u16string& path);
    void AddFile(const std::u16string& path, std::vector<unsigned char> bytes);
    void MakeReadOnlyFolder(const std::u16string& path);
    // A file that opens for reading only (like one with the read-only attribute), or not at all.
    void MakeReadOnlyFile(const std::u16string& path) { refusedFiles_[Key(path)] = false; }
    void MakeUnreadable(const std::u16string& path) { refusedFiles_[Key(path)] = true; }
    std::vector<unsigned char> Contents(const std::u16string& path) const;
    bool HasFile(const std::u16string& path) const;
    bool InReadOnlyFolder(const std::u16string& path) const;

    bool Exists(const std::u16string& path) override;
    bool IsDirectory(const std::u16string& path) override;
    std::unique_ptr<IFile> Open(const std::u16string& path, FileOpenMode mode) override;
    bool MakeDirectory(const std::u16string& path) override;
    bool Remove(const std::u16string& path) override {
        files_.erase(Key(path));
        return true;
    }
    // Fixed drives unless set otherwise; a root that is not a letter, colon and backslash has none.
    unsigned DriveType(const std::u16string& root) override;
    std::map<char16_t, unsigned> driveTypes;  // by upper-case letter

private:
    static std::u16string Key(const std::u16string& path);
    bool CanCreateIn(const std::u16string& key) const;

    std::map<std::u16string, std::shared_ptr<std::vector<unsigned char>>> files_;
    std::set<std::u16string> folders_;
    std::set<std::u16string> readOnlyFolders_;
    std::map<std::u16string, bool> refusedFiles_;  // true: reading is refused too
};

}  // namespace veltra::fakes
