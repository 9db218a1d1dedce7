#include "trust/base64.h"

namespace veltra {
namespace {

int SextetValue(char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

std::size_t PaddingLength(std::string_view text) {
    if (text.ends_with("==")) return 2;
    return text.ends_with('=') ? 1 : 0;
}

}  // namespace

std::vector<std::uint8_t> DecodeBase64(std::string_view text) {
    if (text.size() % 4 != 0) return {};
    const std::size_t padding = PaddingLength(text);
    const std::string_view data = text.substr(0, text.size() - padding);
    std::vector<std::uint8_t> bytes;
    std::uint32_t bits = 0;
    int bitCount = 0;
    for (const char c : data) {
        const int value = SextetValue(c);
        if (value < 0) return {};
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        bitCount += 6;
        if (bitCount >= 8) {
            bitCount -= 8;
            bytes.push_back(static_cast<std::uint8_t>(bits >> bitCount));
            bits &= (1u << bitCount) - 1;
        }
    }
    // What is left over stands under the padding and must be zero.
    if (bits != 0) return {};
    return bytes;
}

}  // namespace veltra
