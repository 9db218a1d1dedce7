#pragma once
#include <array>
#include <cstddef>

#include "platform/file_system.h"

namespace veltra {

// Reads a file the way the C library's text mode does on Windows, so both builds agree:
// a CR LF pair reads as LF and a byte 0x1A ends the file. Buffered, so a byte-by-byte scan
// costs no call per byte.
class TextModeReader {
public:
    static constexpr int kEnd = -1;

    explicit TextModeReader(IFile& file) : file_(file) {}
    void Rewind();
    // The next byte (0 to 255), or kEnd.
    int Next();
    // Up to `bytes` translated bytes; fewer only at the end.
    std::size_t Read(unsigned char* buffer, std::size_t bytes);

private:
    int RawNext();
    int RawPeek();
    bool Refill();

    IFile& file_;
    std::array<unsigned char, 65536> chunk_{};
    std::size_t length_ = 0;
    std::size_t position_ = 0;
    bool ended_ = false;
};

}  // namespace veltra
