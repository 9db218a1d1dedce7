#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace veltra {

// An opaque handle of the service control manager or of one service; 0 means none.
using ServiceHandle = std::uintptr_t;

// Windows error codes the driver clients tell apart.
inline constexpr std::uint32_t kErrorServiceExists = 1073;          // ERROR_SERVICE_EXISTS
inline constexpr std::uint32_t kErrorServiceAlreadyRunning = 1056;  // ERROR_SERVICE_ALREADY_RUNNING

// A handle, or the Windows error code of the call that could not give one.
struct ServiceOpenResult {
    ServiceHandle handle = 0;
    std::uint32_t error = 0;
};

// What CreateServiceW is given for a kernel driver; no group, tag, dependencies or account.
struct ServiceDefinition {
    std::u16string name;
    std::u16string displayName;
    std::uint32_t access = 0;
    std::uint32_t type = 0;
    std::uint32_t startType = 0;
    std::uint32_t errorControl = 0;
    std::u16string binaryPath;
};

// The service control manager, as far as the kernel-driver clients use it. Every call
// that can fail reports the Windows error code (0 on success).
class IServiceManager {
public:
    virtual ~IServiceManager() = default;
    virtual ServiceOpenResult OpenManager(std::uint32_t access) = 0;
    virtual ServiceOpenResult Create(ServiceHandle manager, const ServiceDefinition& definition) = 0;
    virtual ServiceOpenResult Open(ServiceHandle manager, const std::u16string& name, std::uint32_t access) = 0;
    virtual std::uint32_t Start(ServiceHandle service) = 0;
    // Sends the stop control (1).
    virtual std::uint32_t Stop(ServiceHandle service) = 0;
    virtual std::uint32_t Delete(ServiceHandle service) = 0;
    // The configured start type (2 automatic, 3 on demand), or nullopt when it cannot be read.
    virtual std::optional<std::uint32_t> QueryStartType(ServiceHandle service) = 0;
    virtual void Close(ServiceHandle handle) = 0;
};

}  // namespace veltra
