#include "core/record_file.h"

#include "core/debug_log.h"

namespace veltra {

int FileExists(IFileSystem& fileSystem, const std::u16string& folder, const std::u16string& name) {
    return fileSystem.Exists(folder + name) ? 1 : 0;
}

namespace {

FileOpenMode ModeFor(int mode) {
    switch (mode) {
        case 1: return FileOpenMode::ReadWriteTruncate;
        case 2: return FileOpenMode::ReadOnly;
        default: return FileOpenMode::ReadWriteKeep;
    }
}

}  // namespace

int OpenRecordFile(IFileSystem& fileSystem, const std::u16string& path, std::unique_ptr<IFile>& handle, int create,
                   int mode) {
    if (FileExists(fileSystem, path, u"") != 0) {
        DebugLog(u"Load history...");
        handle = fileSystem.Open(path, ModeFor(mode));
        DebugLog((handle ? u"Load successfully : " : u"Load fail : ") + path);
        return kRecordOpened;
    }
    if (create != 1) return kRecordMissing;
    DebugLog(u"Create : " + path);
    handle = fileSystem.Open(path, FileOpenMode::ReadWriteTruncate);
    DebugLog((handle ? u"Create successfully !! " : u"Create fail !! ") + path);
    return kRecordCreated;
}

std::u16string RecordOpenFailure(IFileSystem& fileSystem, const std::u16string& path, int mode) {
    std::u16string reason;
    if (!fileSystem.Exists(path)) {
        reason = u"it cannot be created there (the folder is read-only or access is denied)";
    } else if (ModeFor(mode) != FileOpenMode::ReadOnly && fileSystem.Open(path, FileOpenMode::ReadOnly)) {
        reason = u"it is read-only, so it cannot be written";
    } else {
        reason = u"it cannot be read (access is denied or another program holds it)";
    }
    return u"Cannot open " + path + u": " + reason + u". Nothing was changed.";
}

std::u16string RecordPath(const std::u16string& workPath, const std::u16string& subFolder, const std::u16string& name) {
    std::u16string path = workPath + subFolder;
    if (path.empty() || path.back() != u'\\') path += u'\\';
    return path + name;
}

}  // namespace veltra
