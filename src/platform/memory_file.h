#pragma once
#include <algorithm>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

#include "platform/file_system.h"

namespace veltra {

// A read-only file over bytes held elsewhere: catalogues already in memory, for the parsers'
// fuzz targets and benchmarks.
class ReadOnlyMemoryFile final : public IFile {
public:
    explicit ReadOnlyMemoryFile(std::span<const unsigned char> bytes) : bytes_(bytes) {}
    std::size_t Read(void* buffer, std::size_t bytes) override {
        const std::size_t count = std::min(bytes, bytes_.size() - std::min(position_, bytes_.size()));
        if (count != 0) std::memcpy(buffer, bytes_.data() + position_, count);
        position_ += count;
        return count;
    }
    std::size_t Write(const void*, std::size_t) override { return 0; }
    bool Seek(std::int64_t offset) override {
        if (offset < 0) return false;
        position_ = static_cast<std::size_t>(offset);
        return true;
    }
    bool SeekToEnd() override {
        position_ = bytes_.size();
        return true;
    }
    std::int64_t Tell() override { return static_cast<std::int64_t>(position_); }
    bool Flush() override { return true; }

private:
    std::span<const unsigned char> bytes_;
    std::size_t position_ = 0;
};

// A file over bytes it shares with an in-memory file system: writes grow them, a read-only
// one ignores writes, as "rb" does.
class MemoryFile final : public IFile {
public:
    MemoryFile(std::shared_ptr<std::vector<unsigned char>> bytes, bool writable)
        : bytes_(std::move(bytes)), writable_(writable) {}
    std::size_t Read(void* buffer, std::size_t bytes) override {
        const std::size_t count = std::min(bytes, bytes_->size() - std::min(position_, bytes_->size()));
        if (count != 0) std::memcpy(buffer, bytes_->data() + position_, count);
        position_ += count;
        return count;
    }
    std::size_t Write(const void* buffer, std::size_t bytes) override {
        if (!writable_) return 0;
        if (bytes_->size() < position_ + bytes) bytes_->resize(position_ + bytes);
        if (bytes != 0) std::memcpy(bytes_->data() + position_, buffer, bytes);
        position_ += bytes;
        return bytes;
    }
    bool Seek(std::int64_t offset) override {
        if (offset < 0) return false;
        position_ = static_cast<std::size_t>(offset);
        return true;
    }
    bool SeekToEnd() override {
        position_ = bytes_->size();
        return true;
    }
    std::int64_t Tell() override { return static_cast<std::int64_t>(position_); }
    bool Flush() override { return true; }

private:
    std::shared_ptr<std::vector<unsigned char>> bytes_;
    bool writable_;
    std::size_t position_ = 0;
};

}  // namespace veltra
