#pragma once
#include <cstdint>
#include <string>

#include "platform/service_manager.h"

namespace veltra {

// Access rights and service settings that both kernel-driver clients use.
inline constexpr std::uint32_t kScManagerAllAccess = 0xF003F;
inline constexpr std::uint32_t kServiceAllAccess = 0xF01FF;
inline constexpr std::uint32_t kServiceKernelDriver = 1;
inline constexpr std::uint32_t kServiceAutoStart = 2;
inline constexpr std::uint32_t kServiceDemandStart = 3;
inline constexpr std::uint32_t kServiceErrorNormal = 1;
// Device access: read and write; CreateFileW's share mode for the BIOS driver.
inline constexpr std::uint32_t kDeviceReadWrite = 0xC0000000;
inline constexpr std::uint32_t kShareRead = 1;

// A demand-start kernel-driver service whose display name is its name.
ServiceDefinition KernelDriverDefinition(const std::u16string& name, const std::u16string& binaryPath);

// A service manager or service handle, closed when the object goes.
class ScopedServiceHandle {
public:
    ScopedServiceHandle(IServiceManager& services, ServiceOpenResult opened)
        : services_(services), handle_(opened.handle), error_(opened.error) {}
    ScopedServiceHandle(const ScopedServiceHandle&) = delete;
    ScopedServiceHandle& operator=(const ScopedServiceHandle&) = delete;
    ~ScopedServiceHandle() {
        if (handle_ != 0) services_.Close(handle_);
    }
    explicit operator bool() const { return handle_ != 0; }
    ServiceHandle Get() const { return handle_; }
    std::uint32_t Error() const { return error_; }

private:
    IServiceManager& services_;
    ServiceHandle handle_;
    std::uint32_t error_;
};

}  // namespace veltra
