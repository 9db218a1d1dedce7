#include "core/last_scan.h"

#include <array>
#include <utility>

#include "core/byte_buffer.h"
#include "core/record_file.h"
#include "core/text.h"

namespace veltra {
namespace {

constexpr std::size_t kLastTimeBytes = 8;

// "%02d/%02d/%02d" with year, month and day.
std::u16string DateText(const DateTime& time) {
    return DecimalText(time.year, 2) + u"/" + DecimalText(time.month, 2) + u"/" + DecimalText(time.day, 2);
}

}  // namespace

LastScanTexts LastScanTextsFor(const std::u16string& date) {
    return {date, u"Last scan : " + date + u" \nDo you want to scan your computer for updating ?"};
}

LastScanRecord::LastScanRecord(IFileSystem& fileSystem, std::u16string path)
    : fileSystem_(fileSystem), path_(std::move(path)) {}

LastScanTexts LastScanRecord::ShowLastScan(DateTime& tLastScan) {
    std::array<unsigned char, kDateTimeBytes> bytes{};
    if (OpenRecordFile(fileSystem_, path_, handle_, 1, 3) == kRecordCreated) {
        if (handle_) handle_->Write(bytes.data(), bytes.size());
        handle_.reset();
        return LastScanTextsFor(u"None");
    }
    // A record that cannot be read whole counts as zeros rather than leaving stale fields.
    if (handle_ && handle_->Seek(0) && handle_->Read(bytes.data(), bytes.size()) != bytes.size()) bytes.fill(0);
    tLastScan = GetDateTime(bytes, 0);
    return LastScanTextsFor(DateText(tLastScan));
}

void LastScanRecord::SaveLastScan(int flag, IClock& clock) {
    // Without a preceding ShowLastScan (or after it created the file) nothing is open yet.
    if (!handle_) OpenRecordFile(fileSystem_, path_, handle_, 1, 3);
    if (!handle_) return;
    std::array<unsigned char, kDateTimeBytes> bytes{};
    if (flag != 0) PutDateTime(bytes, 0, clock.LocalNow());
    handle_->Seek(0);
    handle_->Write(bytes.data(), bytes.size());
    handle_.reset();
}

std::u16string LastScanPath(const std::u16string& workPath) { return RecordPath(workPath, u"VT5\\LOG", u"Veltra.rec"); }

std::u16string LastTimePath(const std::u16string& currentDirectory) {
    return RecordPath(currentDirectory, u"", u"VT5\\LOG\\LastTime.rec");
}

std::int64_t ReadLastTime(IFileSystem& fileSystem, const std::u16string& path, std::int64_t now) {
    std::unique_ptr<IFile> file = fileSystem.Open(path, FileOpenMode::ReadOnly);
    std::array<unsigned char, kLastTimeBytes> bytes{};
    if (!file || file->Read(bytes.data(), bytes.size()) != bytes.size()) return now;
    return GetI64(bytes, 0);
}

void WriteLastTime(IFileSystem& fileSystem, const std::u16string& path, std::int64_t time) {
    std::unique_ptr<IFile> file = fileSystem.Open(path, FileOpenMode::ReadWriteTruncate);
    if (!file) return;
    std::array<unsigned char, kLastTimeBytes> bytes{};
    PutI64(bytes, 0, time);
    file->Write(bytes.data(), bytes.size());
}

}  // namespace veltra
