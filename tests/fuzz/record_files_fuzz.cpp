// Record files as found on disk: any bytes in History.rec, Veltra.rec or LastTime.rec must
// read without a fault, and an append must leave History.rec as whole records.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "app/last_scan.h"
#include "download/history.h"
#include "platform/windows1252.h"

namespace {

using Bytes = std::vector<unsigned char>;

class MemoryFile final : public veltra::IFile {
public:
    MemoryFile(Bytes& bytes, bool writable) : bytes_(bytes), writable_(writable) {}
    std::size_t Read(void* buffer, std::size_t count) override {
        const std::size_t n = position_ < bytes_.size() ? std::min(count, bytes_.size() - position_) : 0;
        if (n != 0) std::memcpy(buffer, bytes_.data() + position_, n);
        position_ += n;
        return n;
    }
    std::size_t Write(const void* buffer, std::size_t count) override {
        if (!writable_) return 0;
        if (bytes_.size() < position_ + count) bytes_.resize(position_ + count);
        std::memcpy(bytes_.data() + position_, buffer, count);
        position_ += count;
        return count;
    }
    bool Seek(std::int64_t offset) override {
        position_ = static_cast<std::size_t>(offset);
        return offset >= 0;
    }
    bool SeekToEnd() override {
        position_ = bytes_.size();
        return true;
    }
    std::int64_t Tell() override { return static_cast<std::int64_t>(position_); }
    bool Flush() override { return true; }

private:
    Bytes& bytes_;
    bool writable_;
    std::size_t position_ = 0;
};

// Files by exact path; every folder exists.
class MemoryFileSystem final : public veltra::IFileSystem {
public:
    bool Exists(const std::u16string& path) override { return files.count(path) != 0; }
    bool IsDirectory(const std::u16string&) override { return false; }
    std::unique_ptr<veltra::IFile> Open(const std::u16string& path, veltra::FileOpenMode mode) override {
        if (mode == veltra::FileOpenMode::ReadWriteTruncate) files[path].clear();
        if (files.count(path) == 0) return nullptr;
        return std::make_unique<MemoryFile>(files[path], mode != veltra::FileOpenMode::ReadOnly);
    }
    bool MakeDirectory(const std::u16string&) override { return true; }
    unsigned DriveType(const std::u16string&) override { return 3; }  // a fixed disk
    std::map<std::u16string, Bytes> files;
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
    for (const char16_t* name : {u"History.rec", u"Veltra.rec", u"LastTime.rec"}) files.files[name] = input;
    veltra::Windows1252CodePage codePage;
    FixedClock clock;

    veltra::HistoryFile history(files, codePage, u"History.rec");
    const veltra::HistoryList before = history.ReadHistoryList();
    veltra::HistoryRecord staging;
    staging.SetItem(codePage, u"MB BIOS", u"Board", u"F2", u"text");
    history.AppendHistory(staging, clock);
    const std::size_t whole = size / veltra::HistoryLayout::kRecordBytes;
    if (files.files[u"History.rec"].size() != (whole + 1) * veltra::HistoryLayout::kRecordBytes) __builtin_trap();
    const veltra::HistoryList after = history.ReadHistoryList();
    if (after.count != std::min(before.count + 1, veltra::kHistoryEntries)) __builtin_trap();
    if (after.entries[static_cast<std::size_t>(after.count)][3] != u"Board") __builtin_trap();

    veltra::LastScanRecord lastScan(files, u"Veltra.rec");
    veltra::DateTime tLastScan;
    lastScan.ShowLastScan(tLastScan);
    lastScan.SaveLastScan(1, clock);
    if (files.files[u"Veltra.rec"].size() < 16) __builtin_trap();
    veltra::ReadLastTime(files, u"LastTime.rec", 0);
    return 0;
}
