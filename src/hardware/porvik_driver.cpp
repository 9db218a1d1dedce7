#include "hardware/porvik_driver.h"

#include <array>
#include <limits>

#include "core/byte_buffer.h"
#include "hardware/kernel_driver_service.h"
#include "platform/platform.h"

namespace veltra {
namespace {

constexpr std::uint32_t kNtPlatform = 2;
constexpr int kOpenAttempts = 4;
constexpr unsigned kWaitStepMs = 100;
// The driver path buffer holds 260 characters with its terminator.
constexpr std::size_t kMaxPathChars = 259;

// The executable's folder, without its trailing backslash.
std::u16string ExecutableFolder(const std::u16string& executablePath) {
    const std::size_t slash = executablePath.rfind(u'\\');
    return slash == std::u16string::npos ? std::u16string() : executablePath.substr(0, slash);
}

}  // namespace

CPorvikDriver::CPorvikDriver(Platform& platform) : platform_(platform) {}

int CPorvikDriver::Initialize() {
    if (!ChooseDriverFile()) return kPorvikNotLoaded;
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        if (OpenDevice() == kPorvikOk) {
            initialised_ = true;
            return kPorvikOk;
        }
        platform_.clock.SleepMilliseconds(static_cast<unsigned>(attempt) * kWaitStepMs);
    }
    return kPorvikNotLoaded;
}

bool CPorvikDriver::ChooseDriverFile() {
    if (platform_.systemVersion.GetVersion().platformId != kNtPlatform) return false;
    driverFileName_ = kFile64;
    if (platform_.systemVersion.NativeArchitecture() != ProcessorArchitecture::Amd64) driverFileName_ = kFile32;
    return true;
}

int CPorvikDriver::OpenDevice() {
    driverPath_ = ExecutableFolder(platform_.processInfo.ExecutablePath()) + u'\\' + driverFileName_;
    // A path too long for the driver path buffer names no file that could be loaded.
    if (driverPath_.size() > kMaxPathChars || !platform_.fileSystem.Exists(driverPath_)) return kPorvikFileMissing;
    if (IsNetworkLocation()) return kPorvikNotLoaded;
    deviceHandle_ = platform_.devices.Open(kDevicePath, kDeviceReadWrite, 0);
    if (deviceHandle_ != kInvalidDevice) return kPorvikOk;
    RemoveDriverService();
    if (!InstallDriverService()) {
        RemoveDriverService();
        return kPorvikNotInstalled;
    }
    deviceHandle_ = platform_.devices.Open(kDevicePath, kDeviceReadWrite, 0);
    return deviceHandle_ != kInvalidDevice ? kPorvikOk : kPorvikNotInstalled;
}

// A kernel driver is never loaded from a share or a mapped network drive.
bool CPorvikDriver::IsNetworkLocation() const {
    if (driverPath_.empty() || driverPath_.front() == u'\\') return true;
    const std::u16string root{driverPath_.front(), u':', u'\\'};
    return platform_.fileSystem.DriveType(root) == kDriveRemote;
}

bool CPorvikDriver::InstallDriverService() {
    IServiceManager& services = platform_.services;
    ScopedServiceHandle manager(services, services.OpenManager(kScManagerAllAccess));
    if (!manager) return false;
    {
        ScopedServiceHandle created(services,
                                    services.Create(manager.Get(), KernelDriverDefinition(kServiceName, driverPath_)));
        if (!created && created.Error() != kErrorServiceExists) return false;
    }
    ScopedServiceHandle service(services, services.Open(manager.Get(), kServiceName, kServiceAllAccess));
    if (!service) return false;
    const std::uint32_t error = services.Start(service.Get());
    return error == 0 || error == kErrorServiceAlreadyRunning;
}

void CPorvikDriver::RemoveDriverService() {
    IServiceManager& services = platform_.services;
    ScopedServiceHandle manager(services, services.OpenManager(kScManagerAllAccess));
    if (!manager) return;
    ScopedServiceHandle service(services, services.Open(manager.Get(), kServiceName, kServiceAllAccess));
    if (!service) return;
    // A driver installed to start with the system stays.
    if (services.QueryStartType(service.Get()) == kServiceAutoStart) return;
    services.Stop(service.Get());
    services.Delete(service.Get());
}

void CPorvikDriver::Release() {
    if (!initialised_) return;
    if (deviceHandle_ != kInvalidDevice && QueryOpenCount() == 1u) {
        platform_.devices.Close(deviceHandle_);
        deviceHandle_ = kInvalidDevice;
        RemoveDriverService();
    }
    if (deviceHandle_ != kInvalidDevice) {
        platform_.devices.Close(deviceHandle_);
        deviceHandle_ = kInvalidDevice;
    }
    // Requests must not reach a closed handle, which the system may reuse.
    operationsHandle_ = kInvalidDevice;
    initialised_ = false;
}

bool CPorvikDriver::Request(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                            std::uint32_t& bytesReturned) {
    bytesReturned = 0;
    if (operationsHandle_ == kInvalidDevice) return false;
    return platform_.devices.Control(operationsHandle_, code, input, output, bytesReturned);
}

std::optional<std::uint32_t> CPorvikDriver::QueryOpenCount() {
    std::array<std::uint8_t, 4> reply{};
    std::uint32_t returned = 0;
    if (!Request(kQueryOpenCountCode, {}, reply, returned) || returned < reply.size()) return std::nullopt;
    return GetU32(reply, 0);
}

std::size_t CPorvikDriver::ReadMemory(std::uint32_t physicalAddress, std::uint32_t unitSize, std::uint32_t unitCount,
                                      std::uint8_t* destination) {
    const std::uint64_t bytes = std::uint64_t{unitSize} * unitCount;
    if (destination == nullptr || bytes > std::numeric_limits<std::uint32_t>::max()) return 0;
    std::array<std::uint8_t, 16> request{};
    PutU32(request, 0, physicalAddress);
    PutU32(request, 4, 0);  // the high half of the physical address
    PutU32(request, 8, unitSize);
    PutU32(request, 12, unitCount);
    std::uint32_t returned = 0;
    const std::span<std::uint8_t> reply(destination, static_cast<std::size_t>(bytes));
    if (!Request(kReadMemoryCode, request, reply, returned) || returned != bytes) return 0;
    return reply.size();
}

std::uint32_t CPorvikDriver::ReadPciConfigDword(std::uint32_t bus, std::uint32_t device, std::uint32_t function,
                                                std::uint32_t offset) {
    constexpr std::uint32_t kAbsent = 0xFFFFFFFF;
    std::array<std::uint8_t, 8> request{};
    PutU32(request, 0, bus * 256 + (device & 0x1F) * 8 + (function & 0x07));
    PutU32(request, 4, offset);
    std::array<std::uint8_t, 4> reply{};
    std::uint32_t returned = 0;
    if (!Request(kReadPciConfigCode, request, reply, returned) || returned < reply.size()) return kAbsent;
    return GetU32(reply, 0);
}

std::uint8_t CPorvikDriver::ReadPortByte(std::uint16_t port) {
    std::array<std::uint8_t, 2> request{};
    PutU16(request, 0, port);
    std::array<std::uint8_t, 2> reply{};
    std::uint32_t returned = 0;
    if (!Request(kReadPortByteCode, request, reply, returned) || returned == 0) return 0;
    return reply[0];
}

void CPorvikDriver::WritePortByte(std::uint16_t port, std::uint8_t value) {
    std::array<std::uint8_t, 5> request{};
    PutU32(request, 0, port);
    request[4] = value;
    std::uint32_t returned = 0;
    Request(kWritePortByteCode, request, {}, returned);
}

}  // namespace veltra
