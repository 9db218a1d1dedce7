#pragma once
#include <algorithm>
#include <cstring>
#include <span>

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

}  // namespace veltra
