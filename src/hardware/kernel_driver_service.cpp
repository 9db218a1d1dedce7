#include "hardware/kernel_driver_service.h"

namespace veltra {

ServiceDefinition KernelDriverDefinition(const std::u16string& name, const std::u16string& binaryPath) {
    return {name, name, kServiceAllAccess, kServiceKernelDriver, kServiceDemandStart, kServiceErrorNormal, binaryPath};
}

}  // namespace veltra
