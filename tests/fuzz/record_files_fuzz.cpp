// Record files as found on disk: any bytes in History.rec, Veltra.rec or LastTime.rec must
// read without a fault, and an append must leave History.rec as whole records.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "core/last_scan.h"
#include "download/history.h"
#include "platform/memory_file.h"
#include "platform/windows1252.h"

namespace {

using Bytes = std::vector<unsigned char>;


// Files by exact path; every folder exists.
class MemoryFileSystem final : public veltra::IFileSystem {
public:
    bool Exists(const std::u16string& path) override { return files.count(path) != 0; }
    bool IsDirectory(const std::u16string&) override { return false; }
    std::unique_ptr<veltra::IFile> Open(const std::u16string& path, veltra::FileOpenMode mode) override {
        std::shared_ptr<Bytes>& bytes = files[path];
        if (mode == veltra::FileOpenMode::ReadWriteTruncate) bytes = std::make_shared<Bytes>();
        if (!bytes) {
            files.erase(path);
            return nullptr;
        }
        return std::make_unique<veltra::MemoryFile>(bytes, mode != veltra::FileOpenMode::ReadOnly);
    }
    bool MakeDirectory(const std::u16string&) override { return true; }
    unsigned DriveType(const std::u16string&) override { return 3; }  // a fixed disk
    std::map<std::u16string, std::shared_ptr<Bytes>> files;
};

class FixedClock final : public veltra::IClock {
public:
    veltra::DateTime LocalNow() override { return {2010, 5, 5, 7, 14, 3, 9, 0}; }
    void SleepMilliseconds(unsigned) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFileSystem files;
    const Bytes input(data, data + size);
    for (const char16_t* name : {u"History.rec", u"Veltra.rec", u"LastTime.rec"}) files.files[name] = std::make_shared<Bytes>(input);
    veltra::Windows1252CodePage codePage;
    FixedClock clock;

    veltra::HistoryFile history(files, codePage, u"History.rec");
    const veltra::HistoryList before = history.ReadHistoryList();
    veltra::HistoryRecord staging;
    staging.SetItem(codePage, u"MB BIOS", u"Board", u"F2", u"text");
    history.AppendHistory(staging, clock);
    const std::size_t whole = size / veltra::HistoryLayout::kRecordBytes;
    if (files.files[u"History.rec"]->size() != (whole + 1) * veltra::HistoryLayout::kRecordBytes) __builtin_trap();
    const veltra::HistoryList after = history.ReadHistoryList();
    if (after.count != std::min(before.count + 1, veltra::kHistoryEntries)) __builtin_trap();
    if (after.entries[static_cast<std::size_t>(after.count)][3] != u"Board") __builtin_trap();

    veltra::LastScanRecord lastScan(files, u"Veltra.rec");
    veltra::DateTime tLastScan;
    lastScan.ShowLastScan(tLastScan);
    lastScan.SaveLastScan(1, clock);
    if (files.files[u"Veltra.rec"]->size() < 16) __builtin_trap();
    veltra::ReadLastTime(files, u"LastTime.rec", 0);
    return 0;
}
