#pragma once
#include <map>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/service_manager.h"

namespace veltra::fakes {

// The system calls the fakes saw, one line each, in order.
using Journal = std::vector<std::string>;

// The service control manager's database: services by name, each with its definition and
// whether it runs. Starting one needs its binary file to exist; a deleted one goes at once
// (the system would keep a running one until it stops, and the program always stops it
// first: the journal shows that order). Every call is journalled.
class FakeServiceManager final : public IServiceManager {
public:
    struct Service {
        ServiceDefinition definition;
        bool running = false;
    };

    FakeServiceManager(IFileSystem& files, Journal& journal) : files_(files), journal_(journal) {}

    // A service installed beforehand (by an earlier run or by an administrator).
    void AddService(const std::u16string& name, const std::u16string& binaryPath, std::uint32_t startType,
                    bool running);
    bool Exists(const std::u16string& name) const { return services.count(name) != 0; }
    bool Running(const std::u16string& name) const;
    std::size_t OpenHandles() const { return handles_.size(); }

    std::map<std::u16string, Service> services;
    bool refuseManager = false;
    std::map<std::u16string, std::uint32_t> startErrors;  // starts refused with these errors, by name

    ServiceOpenResult OpenManager(std::uint32_t access) override;
    ServiceOpenResult Create(ServiceHandle manager, const ServiceDefinition& definition) override;
    ServiceOpenResult Open(ServiceHandle manager, const std::u16string& name, std::uint32_t access) override;
    std::uint32_t Start(ServiceHandle service) override;
    std::uint32_t Stop(ServiceHandle service) override;
    std::uint32_t Delete(ServiceHandle service) override;
    std::optional<std::uint32_t> QueryStartType(ServiceHandle service) override;
    void Close(ServiceHandle handle) override;

private:
    struct OpenHandle {
        bool manager = false;
        std::u16string service;
    };
    ServiceHandle NewHandle(OpenHandle handle);
    bool IsManager(ServiceHandle handle) const;
    Service* ServiceOf(ServiceHandle handle);
    void Log(const std::string& call, const std::u16string& name);

    IFileSystem& files_;
    Journal& journal_;
    std::map<ServiceHandle, OpenHandle> handles_;
    ServiceHandle next_ = 0x40;
};

}  // namespace veltra::fakes
