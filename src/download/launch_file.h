#pragma once
#include <string>

namespace veltra {

class IProgramStarter;

// Starts a downloaded file and logs why it did not start. Returns that log line, empty
// when the program was started. A path with blanks is quoted.
std::u16string LaunchFile(IProgramStarter& starter, const std::u16string& path);

}  // namespace veltra
