#pragma once
#include <cstdint>

namespace veltra {

// The fields of the plain GetVersionExW structure that identification uses.
struct OsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    std::uint32_t platformId = 0;  // 2 = the NT platform
};

enum class ProcessorArchitecture { X86, Amd64, Other };

class ISystemVersion {
public:
    virtual ~ISystemVersion() = default;
    virtual OsVersion GetVersion() = 0;
    // What the processor runs natively, which a 32-bit process on 64-bit Windows cannot see otherwise.
    virtual ProcessorArchitecture NativeArchitecture() = 0;
};

}  // namespace veltra
