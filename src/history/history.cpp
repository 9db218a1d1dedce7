#include "history/history.h"

#include <deque>
#include <utility>

#include "core/byte_buffer.h"
#include "core/debug_log.h"
#include "core/record_file.h"
#include "core/text.h"
#include "core/vt5_record.h"

namespace veltra {
namespace {

using L = HistoryLayout;
constexpr int kRowsPerPage = 6;

std::u16string TimeLine(const DateTime& t) {
    auto d = [](int value) { return DecimalText(value); };
    return u"Time = [" + d(t.year) + u"-" + d(t.month) + u"-" + d(t.day) + u"].[" + d(t.hour) + u":" + d(t.minute) +
           u":" + d(t.second) + u"]";
}

// Whole records from the start; a torn tail shorter than a record is not counted.
template <typename OnRecord>
std::int64_t ReadWholeRecords(IFile& file, OnRecord onRecord) {
    file.Seek(0);
    HistoryRecordBytes bytes{};
    std::int64_t count = 0;
    while (file.Read(bytes.data(), bytes.size()) == bytes.size()) onRecord(++count, bytes);
    return count;
}

HistoryRow RowOf(ICodePage& codePage, std::int64_t number, const HistoryRecordBytes& bytes) {
    auto text = [&](std::size_t offset, std::size_t size) { return codePage.FromAnsi(GetText(bytes, offset, size)); };
    return {DecimalText(number),
            text(L::kDateOffset, L::kDateBytes),
            text(L::kTypeOffset, L::kTypeBytes),
            text(L::kItemOffset, L::kItemBytes),
            text(L::kVersionOffset, L::kVersionBytes),
            u"",
            text(L::kDescriptionOffset, L::kDescriptionBytes),
            u""};
}

}  // namespace

void HistoryRecord::SetItem(ICodePage& codePage, const std::u16string& type, const std::u16string& item,
                            const std::u16string& version, const std::u16string& description) {
    PutText(bytes_, L::kTypeOffset, L::kTypeBytes, codePage.ToAnsi(type));
    PutText(bytes_, L::kItemOffset, L::kItemBytes, codePage.ToAnsi(item));
    PutText(bytes_, L::kVersionOffset, L::kVersionBytes, codePage.ToAnsi(version));
    PutText(bytes_, L::kDescriptionOffset, L::kDescriptionBytes, codePage.ToAnsi(description));
}

void HistoryRecord::SetDate(const DateTime& t) {
    const std::u16string date = DecimalText(t.year) + u"/" + DecimalText(t.month) + u"/" + DecimalText(t.day);
    PutText(bytes_, L::kDateOffset, L::kDateBytes, Utf16ToUtf8(date));
}

HistoryFile::HistoryFile(IFileSystem& fileSystem, ICodePage& codePage, std::u16string path)
    : fileSystem_(fileSystem), codePage_(codePage), path_(std::move(path)) {}

int HistoryFile::OpenHistoryFile() { return OpenRecordFile(fileSystem_, path_, handle_, 0, 3); }

std::u16string HistoryFile::AppendHistory(HistoryRecord& staging, IClock& clock) {
    const DateTime now = clock.LocalNow();
    DebugLog(TimeLine(now));
    staging.SetDate(now);
    handle_.reset();
    OpenRecordFile(fileSystem_, path_, handle_, 1, 3);
    if (!handle_) return RecordOpenFailure(fileSystem_, path_, 3);
    // The new record goes on the last whole record's boundary, over any torn tail, so
    // every record stays aligned.
    const std::int64_t whole = ReadWholeRecords(*handle_, [](std::int64_t, const HistoryRecordBytes&) {});
    const bool written = handle_->Seek(whole * static_cast<std::int64_t>(L::kRecordBytes)) &&
                         handle_->Write(staging.Bytes().data(), staging.Bytes().size()) == staging.Bytes().size() &&
                         handle_->Flush();
    handle_.reset();
    if (written) return u"";
    return u"Cannot write " + path_ + u": the disk may be full, or another program holds the file.";
}

HistoryList HistoryFile::ReadHistoryList() {
    HistoryList list;
    list.entries[0] = {u"", u"Type", u"Item", u"Curr ver.", u"Online ver.", u"", u"", u""};
    if (OpenHistoryFile() != kRecordOpened) return list;
    if (!handle_) {
        list.failure = RecordOpenFailure(fileSystem_, path_, 3);
        return list;
    }
    std::deque<HistoryRow> newest;
    ReadWholeRecords(*handle_, [&](std::int64_t number, const HistoryRecordBytes& bytes) {
        newest.push_back(RowOf(codePage_, number, bytes));
        if (newest.size() > static_cast<std::size_t>(kHistoryEntries)) newest.pop_front();
    });
    for (HistoryRow& row : newest) list.entries[static_cast<std::size_t>(++list.count)] = std::move(row);
    return list;
}

std::u16string HistoryPath(const std::u16string& workPath) { return RecordPath(workPath, u"VT5\\LOG", u"History.rec"); }

bool ResetHistoryScroll(ScrollState& scl2, int count) {
    scl2.nPage = kRowsPerPage;
    scl2.nCurr = 0;
    if (count >= kRowsPerPage) scl2.nMax = count - kRowsPerPage;
    return count > kRowsPerPage;
}

}  // namespace veltra
