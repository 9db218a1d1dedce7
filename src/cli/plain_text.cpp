#include "cli/plain_text.h"

#include "core/text.h"

namespace veltra {
namespace {

constexpr char kHex[] = "0123456789abcdef";

std::string Escape(const char* prefix, unsigned code, int digits) {
    std::string escape(prefix);
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) escape += kHex[(code >> shift) & 0xF];
    return escape;
}

unsigned ThreeByteCode(unsigned first, unsigned second, unsigned third) {
    return ((first & 0x0Fu) << 12) | ((second & 0x3Fu) << 6) | (third & 0x3Fu);
}

// Line and paragraph separators, and the marks, embeddings, overrides and isolates that
// turn the direction of what follows: a name holding one could show as another name.
bool IsHiddenLayout(unsigned code) {
    return code == 0x200E || code == 0x200F || code == 0x2028 || code == 0x2029 || (code >= 0x202A && code <= 0x202E) ||
           (code >= 0x2066 && code <= 0x2069);
}

std::string Plain(std::string_view utf8, bool keepLayout) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
        const auto third = i + 2 < utf8.size() ? static_cast<unsigned char>(utf8[i + 2]) : 0u;
        if (keepLayout && (byte == '\n' || byte == '\t')) {
            out += static_cast<char>(byte);
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += Escape("\\x", byte, 2);
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {  // C1 controls
            out += Escape("\\u", next, 4);
            ++i;
        } else if (byte == 0xE2 && (next == 0x80 || next == 0x81) && IsHiddenLayout(ThreeByteCode(byte, next, third))) {
            out += Escape("\\u", ThreeByteCode(byte, next, third), 4);
            i += 2;
        } else if (byte == 0xD8 && next == 0x9C) {  // the Arabic letter mark
            out += "\\u061c";
            ++i;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

}  // namespace

std::string PlainText(std::string_view utf8) { return Plain(utf8, false); }

std::string PlainText(std::u16string_view text) { return Plain(Utf16ToUtf8(text), false); }

std::string PlainDebugText(std::u16string_view text) { return Plain(Utf16ToUtf8(text), true); }

}  // namespace veltra
