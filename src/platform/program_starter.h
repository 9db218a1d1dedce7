#pragma once
#include <array>

namespace veltra {

// The 8-bit command line WinExec takes: a zero-filled 256-byte buffer.
using ExecBuffer = std::array<char, 256>;

// Starts a downloaded program without waiting for it (WinExec, shown normally).
class IProgramStarter {
public:
    virtual ~IProgramStarter() = default;
    // WinExec's result: above 31 started; 0, 2, 3, 11 or another small code otherwise.
    virtual unsigned Exec(const ExecBuffer& commandLine) = 0;
};

}  // namespace veltra
