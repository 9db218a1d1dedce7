#pragma once

namespace veltra {

// Ends the running process, as the start-up does when a kernel driver cannot be loaded.
class IProcessExit {
public:
    virtual ~IProcessExit() = default;
    // Does not return on Windows; a caller still returns at once afterwards.
    virtual void Exit(unsigned exitCode) = 0;
};

}  // namespace veltra
