#pragma once
#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/file_system.h"

namespace veltra {

struct ScrollState;

// One record of "History.rec": 712 bytes, 8-bit texts ended by a zero at fixed offsets.
struct HistoryLayout {
    static constexpr std::size_t kRecordBytes = 712;
    static constexpr std::size_t kDateOffset = 4, kDateBytes = 12;
    static constexpr std::size_t kTypeOffset = 16, kTypeBytes = 30;
    static constexpr std::size_t kItemOffset = 46, kItemBytes = 50;
    static constexpr std::size_t kVersionOffset = 96, kVersionBytes = 100;
    static constexpr std::size_t kDescriptionOffset = 196, kDescriptionBytes = 516;
};
using HistoryRecordBytes = std::array<unsigned char, HistoryLayout::kRecordBytes>;

// The one staging record of a run. Each new text overwrites only itself and its zero, so
// the bytes after a shorter text keep the end of an earlier, longer one.
class HistoryRecord {
public:
    void SetItem(ICodePage& codePage, const std::u16string& type, const std::u16string& item,
                 const std::u16string& version, const std::u16string& description);
    void SetDate(const DateTime& localTime);
    const HistoryRecordBytes& Bytes() const { return bytes_; }

private:
    HistoryRecordBytes bytes_{};
};

// Entry 0 holds the header texts; entries 1 to kHistoryEntries the records.
constexpr int kHistoryEntries = 49;
using HistoryRow = std::array<std::u16string, 8>;
struct HistoryList {
    std::u16string failure;  // why "History.rec" could not be opened; empty when it was or is missing
    std::array<HistoryRow, kHistoryEntries + 1> entries{};
    int count = 0;  // filled entries
};

// "History.rec" with its process-wide handle, which stays open after a listing.
class HistoryFile {
public:
    HistoryFile(IFileSystem& fileSystem, ICodePage& codePage, std::u16string path);

    // OpenRecordFile without creation, mode "rb+".
    int OpenHistoryFile();
    // Appends the staging record, dated today, after the last whole record. Empty when it
    // was written, else why not, naming the file.
    std::u16string AppendHistory(HistoryRecord& staging, IClock& clock);
    // The list of whole records; with more than 49 records the newest 49, numbered by
    // their place in the file.
    HistoryList ReadHistoryList();

private:
    IFileSystem& fileSystem_;
    ICodePage& codePage_;
    std::u16string path_;
    std::unique_ptr<IFile> handle_;
};

// "History.rec" under the work path's log folder.
std::u16string HistoryPath(const std::u16string& workPath);

// The list's scroll state after a rebuild: back at the top, six rows a page. True when
// the list is longer than a page and the scroll bar is shown.
bool ResetHistoryScroll(ScrollState& scl2, int count);

}  // namespace veltra
