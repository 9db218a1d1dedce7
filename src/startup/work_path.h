#pragma once
#include <string>

namespace veltra {

class IProcessInfo;
class IRegistry;
struct VT5Record;

// The longest executable path the program runs from (a 256-unit buffer with its terminator).
constexpr std::size_t kMaxExecutablePath = 255;

// Fills sWorkPath with the executable's folder and its trailing backslash and logs it.
// False, with sWorkPath left empty, for a path longer than kMaxExecutablePath.
bool ReadWorkPath(IProcessInfo& processInfo, VT5Record& vt5);

// "WorkDir" and "AppVersion" of the program's key, the 64-bit view's key first.
void ReadInstallDir(IRegistry& registry, VT5Record& vt5);
void ReadAppVersion(IRegistry& registry, std::u16string& target);

}  // namespace veltra
