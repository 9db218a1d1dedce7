#pragma once
#include <string>
#include <vector>

namespace veltra::winetest {

// An absolute path of the host as this Windows process sees it (drive Z:).
std::wstring HostPath(const std::string& absolute);

// A path of the source tree as this Windows process sees the host's files (drive Z:).
std::wstring SourcePath(const std::string& relative);

// The whole file, empty when it cannot be read.
std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);

// Removes a folder with everything in it (a trailing backslash or none).
void RemoveTree(const std::wstring& folder);

// Copies a folder's files and folders into another folder, which exists.
void CopyTree(const std::wstring& from, const std::wstring& to);

// A path in the temporary folder no other run uses: the prefix, this process, this moment.
std::wstring UniqueTempPath(const std::wstring& prefix);

// A fresh empty folder, removed with everything in it when it goes.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& path);
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();
    const std::wstring& Path() const { return folder_; }  // with its trailing backslash
    std::wstring Path(const std::wstring& file) const { return folder_ + file; }
    // Names of the files the folder holds.
    std::vector<std::wstring> Files() const;

private:
    std::wstring folder_;
};

}  // namespace veltra::winetest
