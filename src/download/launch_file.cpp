#include "download/launch_file.h"

#include <algorithm>

#include "core/debug_log.h"
#include "platform/code_page.h"
#include "platform/program_starter.h"

namespace veltra {
namespace {

std::u16string OutcomeLine(unsigned result, const std::u16string& path) {
    switch (result) {
        case 0: return u"The system is out of memory or resources.";
        case 2: return path + u" was not found.";
        case 3: return u"The specified path was not found.";
        case 11: return path + u" is invalid.";
        default: return result > 31 ? u"" : u"Unknown error , could not execute " + path + u" !! ";
    }
}

// A path with a blank is quoted: unquoted, the system would first try to start the part
// before the blank ("C:\Program" for "C:\Program Files\...") as a program of its own.
std::string CommandLine(const std::string& ansiPath) {
    return ansiPath.find(' ') == std::string::npos ? ansiPath : '"' + ansiPath + '"';
}

}  // namespace

std::u16string LaunchFile(IProgramStarter& starter, ICodePage& codePage, const std::u16string& path) {
    const std::string ansi = CommandLine(codePage.ToAnsi(path));
    ExecBuffer buffer{};
    std::u16string line;
    if (ansi.size() >= buffer.size()) {
        line = path + u" is too long to start.";
    } else {
        std::copy(ansi.begin(), ansi.end(), buffer.begin());
        line = OutcomeLine(starter.Exec(buffer), path);
    }
    if (!line.empty()) DebugLog(line);
    return line;
}

}  // namespace veltra
