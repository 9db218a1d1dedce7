#pragma once
#include <string>
#include <vector>

namespace veltra {

// The lines an information panel appends for one text: the pieces between line feeds,
// empty pieces skipped; a text without any piece gives one empty line.
std::vector<std::u16string> InformationLines(const std::u16string& text);

}  // namespace veltra
