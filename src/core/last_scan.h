#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace veltra {

// What the Home page's last-scan label and the reminder popup's message show.
struct LastScanTexts {
    std::u16string home;
    std::u16string popup;
};
// The texts for a date as the Home page shows it ("2010/05/07" or "None").
LastScanTexts LastScanTextsFor(const std::u16string& date);

// "Veltra.rec": the local date-time of the last completed scan, 16 bytes, all zero for
// "never". The file opened by ShowLastScan stays open for SaveLastScan.
class LastScanRecord {
public:
    LastScanRecord(IFileSystem& fileSystem, std::u16string path);

    // Reads the record into tLastScan (creating a zero record when the file is missing)
    // and gives the label texts.
    LastScanTexts ShowLastScan(DateTime& tLastScan);
    // Writes the current local time (flag non-zero) or zeros, then closes the file.
    void SaveLastScan(int flag, IClock& clock);

private:
    IFileSystem& fileSystem_;
    std::u16string path_;
    std::unique_ptr<IFile> handle_;
};

// "Veltra.rec" under the work path's log folder.
std::u16string LastScanPath(const std::u16string& workPath);

// "LastTime.rec": seconds since 1970-01-01 00:00 UTC, a signed little-endian 64-bit value,
// kept under the process's current directory rather than the work path.
std::u16string LastTimePath(const std::u16string& currentDirectory);
// The stored time, or `now` when the file cannot be opened or holds fewer than 8 bytes.
std::int64_t ReadLastTime(IFileSystem& fileSystem, const std::u16string& path, std::int64_t now);
// Creates or truncates the file and writes the 8 bytes.
void WriteLastTime(IFileSystem& fileSystem, const std::u16string& path, std::int64_t time);

}  // namespace veltra
