#pragma once
#include <string>

namespace veltra {

// The version this program was built as (the project's version): what --version prints
// and what the About page shows when the installer has written no "AppVersion".
std::u16string ProgramVersion();

}  // namespace veltra
