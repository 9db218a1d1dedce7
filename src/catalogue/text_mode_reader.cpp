#include "catalogue/text_mode_reader.h"

namespace veltra {
namespace {

constexpr int kEndOfFileByte = 0x1A;

}  // namespace

void TextModeReader::Rewind() {
    file_.Seek(0);
    length_ = 0;
    position_ = 0;
    ended_ = false;
}

bool TextModeReader::Refill() {
    if (position_ < length_) return true;
    if (ended_) return false;
    length_ = file_.Read(chunk_.data(), chunk_.size());
    position_ = 0;
    if (length_ == 0) ended_ = true;
    return length_ != 0;
}

int TextModeReader::RawPeek() { return Refill() ? chunk_[position_] : kEnd; }

int TextModeReader::RawNext() { return Refill() ? chunk_[position_++] : kEnd; }

int TextModeReader::Next() {
    const int byte = RawNext();
    if (byte == kEndOfFileByte) {
        ended_ = true;
        position_ = length_;
        return kEnd;
    }
    if (byte == '\r' && RawPeek() == '\n') return RawNext();
    return byte;
}

std::size_t TextModeReader::Read(unsigned char* buffer, std::size_t bytes) {
    std::size_t count = 0;
    while (count < bytes) {
        const int byte = Next();
        if (byte == kEnd) break;
        buffer[count++] = static_cast<unsigned char>(byte);
    }
    return count;
}

}  // namespace veltra
