#pragma once
#include <string>

namespace veltra {

class ICodePage;
class IProgramStarter;

// Starts a downloaded file through WinExec and logs why it did not start. Returns that
// log line, empty when the program was started. A path with blanks is quoted; one whose
// 8-bit command line does not fit the 256-byte buffer is not started: a cut path would
// start some other file.
std::u16string LaunchFile(IProgramStarter& starter, ICodePage& codePage, const std::u16string& path);

}  // namespace veltra
