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
        } else if (byte == 0xE2 && next == 0x80 && (third == 0xA8 || third == 0xA9)) {  // line and paragraph separators
            out += Escape("\\u", 0x2000u + third - 0x80u, 4);
            i += 2;
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
