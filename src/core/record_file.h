#pragma once
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace veltra {

// 1 when a directory search for folder + name finds an entry, else 0.
int FileExists(IFileSystem& fileSystem, const std::u16string& folder, const std::u16string& name);

// Results of OpenRecordFile.
enum RecordOpenResult : int { kRecordOpened = 1, kRecordCreated = 2, kRecordMissing = 5 };

// Opens a record file in mode 1 ("wb+"), 2 ("rb") or any other ("rb+"); a missing file is
// created with "wb+" when `create` is 1. The handle is left untouched for result 5 and is
// null when the open itself failed, which callers test before reading or writing.
int OpenRecordFile(IFileSystem& fileSystem, const std::u16string& path, std::unique_ptr<IFile>& handle, int create,
                   int mode);

// Why a record file could not be opened in `mode` (its handle came back null): a sentence
// for the user that names the file and the reason, so a refused file is never taken for
// an empty one.
std::u16string RecordOpenFailure(IFileSystem& fileSystem, const std::u16string& path, int mode);

// "%s%s\%s": the work path, a sub-folder and a file name, with one separator between folder and name.
std::u16string RecordPath(const std::u16string& workPath, const std::u16string& subFolder, const std::u16string& name);

}  // namespace veltra
