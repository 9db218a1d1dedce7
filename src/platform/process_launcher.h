#pragma once
#include <string>

namespace veltra {

class IProcessLauncher {
public:
    virtual ~IProcessLauncher() = default;
    // Starts a command line found on the search path (CreateProcessW); handles are not kept.
    virtual bool Start(const std::u16string& commandLine) = 0;
};

}  // namespace veltra
