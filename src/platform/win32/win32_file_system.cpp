#include <windows.h>

#include <cstdio>

#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace veltra {
namespace {

// A buffered C stream, as the record files have always used.
class StdioFile final : public IFile {
public:
    explicit StdioFile(FILE* stream) : stream_(stream) {}
    StdioFile(const StdioFile&) = delete;
    StdioFile& operator=(const StdioFile&) = delete;
    ~StdioFile() override { std::fclose(stream_); }

    std::size_t Read(void* buffer, std::size_t bytes) override {
        Reposition();
        return std::fread(buffer, 1, bytes, stream_);
    }
    std::size_t Write(const void* buffer, std::size_t bytes) override {
        Reposition();
        return std::fwrite(buffer, 1, bytes, stream_);
    }
    bool Seek(std::int64_t offset) override { return _fseeki64(stream_, offset, SEEK_SET) == 0; }
    bool SeekToEnd() override { return _fseeki64(stream_, 0, SEEK_END) == 0; }
    std::int64_t Tell() override { return _ftelli64(stream_); }
    bool Flush() override { return std::fflush(stream_) == 0; }

private:
    // The C library needs a positioning call between a write and a read on one stream.
    void Reposition() { _fseeki64(stream_, 0, SEEK_CUR); }

    FILE* stream_;
};

const wchar_t* ModeText(FileOpenMode mode) {
    switch (mode) {
        case FileOpenMode::ReadWriteTruncate: return L"wb+";
        case FileOpenMode::ReadOnly: return L"rb";
        case FileOpenMode::ReadWriteKeep: return L"rb+";
    }
    return L"rb";
}

}  // namespace

bool Win32FileSystem::Exists(const std::u16string& path) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(ToWide(path).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return true;
}

unsigned Win32FileSystem::DriveType(const std::u16string& root) { return GetDriveTypeW(ToWide(root).c_str()); }

bool Win32FileSystem::IsDirectory(const std::u16string& path) {
    const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::unique_ptr<IFile> Win32FileSystem::Open(const std::u16string& path, FileOpenMode mode) {
    FILE* stream = _wfopen(ToWide(path).c_str(), ModeText(mode));
    if (stream == nullptr) return nullptr;
    return std::make_unique<StdioFile>(stream);
}

bool Win32FileSystem::MakeDirectory(const std::u16string& path) {
    return CreateDirectoryW(ToWide(path).c_str(), nullptr) != 0 || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool Win32FileSystem::Remove(const std::u16string& path) {
    return DeleteFileW(ToWide(path).c_str()) != 0 || GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace veltra
