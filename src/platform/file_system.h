#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace veltra {

// An open file stream with the C library's binary semantics.
class IFile {
public:
    virtual ~IFile() = default;
    virtual std::size_t Read(void* buffer, std::size_t bytes) = 0;
    virtual std::size_t Write(const void* buffer, std::size_t bytes) = 0;
    virtual bool Seek(std::int64_t offset) = 0;  // from the start
    virtual bool SeekToEnd() = 0;
    virtual std::int64_t Tell() = 0;
    virtual bool Flush() = 0;
};

enum class FileOpenMode {
    ReadWriteTruncate,  // "wb+"
    ReadOnly,           // "rb"
    ReadWriteKeep,      // "rb+"
};

// Paths are Windows paths (backslash separators) in every build.
class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // True when a directory search for the path finds an entry (file or folder).
    virtual bool Exists(const std::u16string& path) = 0;
    virtual bool IsDirectory(const std::u16string& path) = 0;
    // Null when the file cannot be opened in that mode.
    virtual std::unique_ptr<IFile> Open(const std::u16string& path, FileOpenMode mode) = 0;
    virtual bool MakeDirectory(const std::u16string& path) = 0;
    // Deletes a file; true when it is gone (also when it was never there).
    virtual bool Remove(const std::u16string& path) = 0;
    // GetDriveTypeW of a root such as "C:\\"; kDriveRemote for a network drive.
    virtual unsigned DriveType(const std::u16string& root) = 0;
};

inline constexpr unsigned kDriveRemote = 4;  // DRIVE_REMOTE

}  // namespace veltra
