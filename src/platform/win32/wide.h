#pragma once
#include <string>
#include <string_view>

// The logic's UTF-16 and the Windows API's wchar_t are the same 16-bit units here.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wchar_t is 16 bits");

namespace veltra {

inline std::wstring ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
inline std::u16string FromWide(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace veltra
