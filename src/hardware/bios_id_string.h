#pragma once
#include <string>
#include <string_view>

namespace veltra {

// Model and BIOS version from the BIOS driver's identification string, for instance
// "A1234ABC V1.9 061309" gives "QB-1234" and "1.90". False, with model and version
// untouched, unless the string starts with "A" or "E" and holds the four model characters.
// A version that cannot be read (no "V", a part longer than four characters, a number
// without a letter) is left empty.
bool ParseBiosIdString(std::u16string_view idString, std::u16string& model, std::u16string& version);

// A version part as written: one character unchanged, a number from 10 to 35 as the letter
// A to Z; nothing for any other part.
bool VersionPartCharacter(std::u16string_view part, char16_t& character);

}  // namespace veltra
