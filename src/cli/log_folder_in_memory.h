#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace veltra {

// The file system with the files of every "VT5\LOG" folder kept in memory: a fleet report
// fetches the catalogues and runs the checks as a scan does, but leaves this PC's own result
// list, history and last-scan time as they were.
class LogFolderInMemory final : public IFileSystem {
public:
    explicit LogFolderInMemory(IFileSystem& files) : files_(files) {}

    bool Exists(const std::u16string& path) override;
    bool IsDirectory(const std::u16string& path) override { return files_.IsDirectory(path); }
    std::unique_ptr<IFile> Open(const std::u16string& path, FileOpenMode mode) override;
    bool MakeDirectory(const std::u16string& path) override { return files_.MakeDirectory(path); }
    bool Remove(const std::u16string& path) override;
    unsigned DriveType(const std::u16string& root) override { return files_.DriveType(root); }

private:
    IFileSystem& files_;
    std::map<std::u16string, std::shared_ptr<std::vector<unsigned char>>> kept_;  // by upper-case path
};

}  // namespace veltra
