#pragma once
#include <string>

namespace veltra {

// Starts a downloaded program without waiting for it, shown normally. The command line is
// UTF-16, so every path the file system allows can be started.
class IProgramStarter {
public:
    virtual ~IProgramStarter() = default;
    // WinExec's result codes: above 31 started; 0 out of resources, 2 file not found,
    // 3 path not found, 11 bad format, another small code otherwise.
    virtual unsigned Start(const std::u16string& commandLine) = 0;
};

}  // namespace veltra
