#pragma once
#include <string>

namespace veltra {

class IProcessInfo {
public:
    virtual ~IProcessInfo() = default;
    // Full path of the running executable, untruncated.
    virtual std::u16string ExecutablePath() = 0;
};

}  // namespace veltra
