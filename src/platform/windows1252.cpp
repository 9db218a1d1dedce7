#include "platform/windows1252.h"

#include <array>

namespace veltra {
namespace {

// 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined (they map to U+0080.. like Windows does).
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t Decode(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0) return byte;
    const char16_t mapped = kHighControls[byte - 0x80];
    return mapped != 0 ? mapped : byte;
}

char Encode(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        const char16_t mapped = kHighControls[i];
        if (mapped == unit || (mapped == 0 && unit == 0x80 + i)) return static_cast<char>(0x80 + i);
    }
    return '?';  // the default character of WideCharToMultiByte
}

}  // namespace

std::string Windows1252CodePage::ToAnsi(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t unit : text) out.push_back(Encode(unit));
    return out;
}

std::u16string Windows1252CodePage::FromAnsi(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (char byte : bytes) out.push_back(Decode(static_cast<unsigned char>(byte)));
    return out;
}

}  // namespace veltra
