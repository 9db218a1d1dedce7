#pragma once
#include <string>
#include <string_view>

namespace veltra {

// A text from the server, the identity or the system for one field of a plain output line:
// control characters, line separators and the marks that turn the text's direction are
// written as escapes ("\n", "\t", "\r", "\x1b", "\u0085", "\u2028", "\u202e"), so one item
// stays one row, reads as it is and nothing moves the terminal. Backslashes stay as they
// are: paths are full of them.
std::string PlainText(std::string_view utf8);
std::string PlainText(std::u16string_view text);
// The same for a debug entry, whose own layout (line breaks and tabs) stays.
std::string PlainDebugText(std::u16string_view text);

}  // namespace veltra
