#pragma once
#include <array>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace veltra {

class ICodePage;
struct VT5Record;

inline constexpr std::size_t kResultRowCount = 49;
inline constexpr std::size_t kResultColumnCount = 8;

// Columns: flag, type, item, current version, online version, web path, description, index.
using ResultRow = std::array<std::u16string, kResultColumnCount>;

// The result rows the update page and the command line show, independent of any window.
struct ResultList {
    std::array<ResultRow, kResultRowCount> rows;
    int count = 0;
    int total = 0;  // every update found, also those past the 49 rows
};

// "CheckList.rec", open for the whole run once a scan or the page has opened it, and its rows.
struct CheckListState {
    std::unique_ptr<IFile> file;
    ResultList list;
    std::u16string failure;  // why "CheckList.rec" could not be opened; empty when it was
};

// The work path, "VT5\LOG" and "CheckList.rec".
std::u16string CheckListPath(const std::u16string& workPath);

// Fills the rows from the open file (records not marked "D", at most 49) and sets
// sUpdateCount to all of them.
void LoadCheckList(CheckListState& checkList, ICodePage& codePage, VT5Record& vt5);

// Opens "CheckList.rec" for reading and updating and loads it; a missing file is created empty.
void ReloadCheckList(IFileSystem& fileSystem, CheckListState& checkList, ICodePage& codePage, VT5Record& vt5);

// Puts "D" into the state of the first record with that index and writes it back in place.
// False when no such record is there or the write fails.
bool MarkCheckRecordDownloaded(IFile& file, int index);

}  // namespace veltra
