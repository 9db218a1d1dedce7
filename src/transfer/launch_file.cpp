#include "transfer/launch_file.h"

#include "core/debug_log.h"
#include "platform/program_starter.h"

namespace veltra {
namespace {

std::u16string OutcomeLine(unsigned result, const std::u16string& path) {
    switch (result) {
        case 0: return u"The system is out of memory or resources.";
        case 2: return path + u" was not found.";
        case 3: return u"The specified path was not found.";
        case 11: return path + u" is invalid.";
        case kStartNotAsChecked: return path + u" changed after it was checked, so it was not started.";
        case kStartFolderOpen: return path + u" is in a folder other users can write, so it was not started.";
        default: return result > 31 ? u"" : u"Unknown error , could not execute " + path + u" !! ";
    }
}

// A path with a blank is quoted: unquoted, the system would first try to start the part
// before the blank ("C:\Program" for "C:\Program Files\...") as a program of its own.
std::u16string CommandLine(const std::u16string& path) {
    return path.find(u' ') == std::u16string::npos ? path : u'"' + path + u'"';
}

}  // namespace

std::u16string LaunchFile(IProgramStarter& starter, const std::u16string& path,
                          const std::optional<ExpectedFile>& expected) {
    const std::u16string line = OutcomeLine(starter.Start(path, CommandLine(path), expected), path);
    if (!line.empty()) DebugLog(line);
    return line;
}

}  // namespace veltra
