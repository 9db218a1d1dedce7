#include "fakes/fake_services.h"

#include "core/text.h"
#include "fakes/fake_devices.h"

namespace veltra::fakes {
namespace {

constexpr std::uint32_t kErrorFileNotFound = 2;
constexpr std::uint32_t kErrorAccessDenied = 5;
constexpr std::uint32_t kErrorInvalidHandle = 6;
constexpr std::uint32_t kErrorServiceDoesNotExist = 1060;
constexpr std::uint32_t kErrorServiceNotActive = 1062;

}  // namespace

void FakeServiceManager::AddService(const std::u16string& name, const std::u16string& binaryPath,
                                    std::uint32_t startType, bool running) {
    Service service;
    service.definition = {name, name, 0xF01FF, 1, startType, 1, binaryPath};
    service.running = running;
    services[name] = service;
}

bool FakeServiceManager::Running(const std::u16string& name) const {
    const auto found = services.find(name);
    return found != services.end() && found->second.running;
}

void FakeServiceManager::Log(const std::string& call, const std::u16string& name) {
    journal_.push_back(name.empty() ? call : call + " " + Utf16ToUtf8(name));
}

ServiceHandle FakeServiceManager::NewHandle(OpenHandle handle) {
    handles_[next_] = std::move(handle);
    return next_++;
}

bool FakeServiceManager::IsManager(ServiceHandle handle) const {
    const auto found = handles_.find(handle);
    return found != handles_.end() && found->second.manager;
}

FakeServiceManager::Service* FakeServiceManager::ServiceOf(ServiceHandle handle) {
    const auto found = handles_.find(handle);
    if (found == handles_.end() || found->second.manager) return nullptr;
    const auto service = services.find(found->second.service);
    return service == services.end() ? nullptr : &service->second;
}

ServiceOpenResult FakeServiceManager::OpenManager(std::uint32_t access) {
    Log("OpenSCManager " + HexText(access), u"");
    if (refuseManager) return {0, kErrorAccessDenied};
    return {NewHandle({true, u""}), 0};
}

ServiceOpenResult FakeServiceManager::Create(ServiceHandle manager, const ServiceDefinition& definition) {
    Log("CreateService", definition.name);
    if (!IsManager(manager)) return {0, kErrorInvalidHandle};
    if (Exists(definition.name)) return {0, 1073};
    services[definition.name] = Service{definition};
    return {NewHandle({false, definition.name}), 0};
}

ServiceOpenResult FakeServiceManager::Open(ServiceHandle manager, const std::u16string& name, std::uint32_t) {
    Log("OpenService", name);
    if (!IsManager(manager)) return {0, kErrorInvalidHandle};
    if (!Exists(name)) return {0, kErrorServiceDoesNotExist};
    return {NewHandle({false, name}), 0};
}

std::uint32_t FakeServiceManager::Start(ServiceHandle handle) {
    Service* service = ServiceOf(handle);
    Log("StartService", service != nullptr ? service->definition.name : u"?");
    if (service == nullptr) return kErrorInvalidHandle;
    if (service->running) return 1056;
    if (const auto refused = startErrors.find(service->definition.name); refused != startErrors.end()) {
        return refused->second;
    }
    if (!files_.Exists(service->definition.binaryPath)) return kErrorFileNotFound;
    service->running = true;
    return 0;
}

std::uint32_t FakeServiceManager::Stop(ServiceHandle handle) {
    Service* service = ServiceOf(handle);
    Log("ControlService stop", service != nullptr ? service->definition.name : u"?");
    if (service == nullptr) return kErrorInvalidHandle;
    if (!service->running) return kErrorServiceNotActive;
    service->running = false;
    return 0;
}

std::uint32_t FakeServiceManager::Delete(ServiceHandle handle) {
    Service* service = ServiceOf(handle);
    Log("DeleteService", service != nullptr ? service->definition.name : u"?");
    if (service == nullptr) return kErrorInvalidHandle;
    services.erase(service->definition.name);
    return 0;
}

std::optional<std::uint32_t> FakeServiceManager::QueryStartType(ServiceHandle handle) {
    Service* service = ServiceOf(handle);
    Log("QueryServiceConfig", service != nullptr ? service->definition.name : u"?");
    if (service == nullptr) return std::nullopt;
    return service->definition.startType;
}

void FakeServiceManager::Close(ServiceHandle handle) {
    journal_.push_back("CloseServiceHandle");
    if (handles_.erase(handle) == 0) journal_.push_back("CloseServiceHandle of an unknown handle");
}

}  // namespace veltra::fakes
