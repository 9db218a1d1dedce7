#pragma once
#include <string>
#include <string_view>

namespace veltra {

// Letters become their base-36 digit value in decimal (A and a are 10 ... Z and z are 35),
// every character taken by its low byte; "1.2B" becomes "1.211".
std::u16string NormalizeVersion(std::u16string_view text);

// 1 when current lies in [min, max) and is not one of the skipped versions, else 0.
// "Unknown" and "None" stand for no lower bound (0), no upper bound (9999) and no skip list.
int InVersionRange(std::u16string_view current, std::u16string_view min, std::u16string_view max,
                   std::u16string_view skip);

// The first three characters of online followed by "Z", compared with current by code unit:
// true when that text is the greater one.
bool IsNotOlderPrefix(std::u16string_view online, std::u16string_view current);

// Ordinal comparison of whole texts by UTF-16 code unit; a proper prefix is lower.
bool IsOrdinalLower(std::u16string_view installed, std::u16string_view online);

}  // namespace veltra
