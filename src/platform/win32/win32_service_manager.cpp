#include <windows.h>


#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace veltra {
namespace {

SC_HANDLE ToScHandle(ServiceHandle handle) { return reinterpret_cast<SC_HANDLE>(handle); }

ServiceOpenResult FromScHandle(SC_HANDLE handle) {
    if (handle == nullptr) return {0, GetLastError()};
    return {reinterpret_cast<ServiceHandle>(handle), 0};
}

std::uint32_t LastErrorUnless(BOOL succeeded) { return succeeded ? 0 : GetLastError(); }

}  // namespace

ServiceOpenResult Win32ServiceManager::OpenManager(std::uint32_t access) {
    return FromScHandle(OpenSCManagerW(nullptr, nullptr, access));
}

ServiceOpenResult Win32ServiceManager::Create(ServiceHandle manager, const ServiceDefinition& definition) {
    const std::wstring name = ToWide(definition.name);
    const std::wstring displayName = ToWide(definition.displayName);
    const std::wstring binaryPath = ToWide(definition.binaryPath);
    return FromScHandle(CreateServiceW(ToScHandle(manager), name.c_str(), displayName.c_str(), definition.access,
                                       definition.type, definition.startType, definition.errorControl,
                                       binaryPath.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr));
}

ServiceOpenResult Win32ServiceManager::Open(ServiceHandle manager, const std::u16string& name, std::uint32_t access) {
    return FromScHandle(OpenServiceW(ToScHandle(manager), ToWide(name).c_str(), access));
}

std::uint32_t Win32ServiceManager::Start(ServiceHandle service) {
    return LastErrorUnless(StartServiceW(ToScHandle(service), 0, nullptr));
}

std::uint32_t Win32ServiceManager::Stop(ServiceHandle service) {
    SERVICE_STATUS status{};
    return LastErrorUnless(ControlService(ToScHandle(service), SERVICE_CONTROL_STOP, &status));
}

std::uint32_t Win32ServiceManager::Delete(ServiceHandle service) {
    return LastErrorUnless(DeleteService(ToScHandle(service)));
}

std::optional<std::uint32_t> Win32ServiceManager::QueryStartType(ServiceHandle service) {
    // Asked twice: once for the size, then into a buffer of that size.
    DWORD needed = 0;
    QueryServiceConfigW(ToScHandle(service), nullptr, 0, &needed);
    if (needed < sizeof(QUERY_SERVICE_CONFIGW)) return std::nullopt;
    HANDLE heap = GetProcessHeap();
    auto* config = static_cast<QUERY_SERVICE_CONFIGW*>(HeapAlloc(heap, HEAP_ZERO_MEMORY, needed));
    if (config == nullptr) return std::nullopt;
    std::optional<std::uint32_t> startType;
    if (QueryServiceConfigW(ToScHandle(service), config, needed, &needed)) startType = config->dwStartType;
    HeapFree(heap, 0, config);
    return startType;
}

void Win32ServiceManager::Close(ServiceHandle handle) {
    if (handle != 0) CloseServiceHandle(ToScHandle(handle));
}

}  // namespace veltra
