#pragma once
#include <string>
#include <string_view>

namespace veltra {

// ASCII or UTF-8 to UTF-16 (program texts, command-line output and JSON).
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view text);

// Decimal text of a number, zero-padded to at least `width` digits ("%0*d").
std::u16string DecimalText(long long value, int width = 0);

// Hexadecimal text of a number, zero-padded to at least `width` digits ("%0*X" or "%0*x").
std::u16string HexText(unsigned long long value, int width = 0, bool upperCase = true);

bool Contains(std::u16string_view text, std::u16string_view part);
std::u16string ToUpperAscii(std::u16string text);

}  // namespace veltra
