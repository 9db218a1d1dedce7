#include "hardware/bios_driver.h"

#include <algorithm>
#include <string_view>

#include "core/byte_buffer.h"
#include "hardware/kernel_driver_service.h"
#include "platform/platform.h"

namespace veltra {
namespace {

constexpr int kXp64 = 0x100;
constexpr int kVista64 = 0x400;
constexpr int kWindows7x64 = 0x1000;
constexpr int kFirstNtCode = 8;
// GetModuleFileNameW's buffer: 255 characters and the terminator.
constexpr std::size_t kMaxExecutablePathChars = 255;
constexpr std::string_view kMakerMarker = "NORVA";

// The executable's folder with its trailing backslash; empty when its path is too long.
std::u16string ExecutableFolder(const std::u16string& executablePath) {
    const std::size_t slash = executablePath.rfind(u'\\');
    if (executablePath.size() > kMaxExecutablePathChars || slash == std::u16string::npos) return {};
    return executablePath.substr(0, slash + 1);
}

void InstallAndStart(IServiceManager& services, ServiceHandle manager, const std::u16string& driverPath) {
    // Creation fails when the service exists, and the start when it runs; neither matters.
    ScopedServiceHandle created(services,
                                services.Create(manager, KernelDriverDefinition(kBiosServiceName, driverPath)));
    ScopedServiceHandle service(services, services.Open(manager, kBiosServiceName, kServiceAllAccess));
    if (service) services.Start(service.Get());
}

bool InstallAndOpen(Platform& platform, const std::u16string& driverPath, DeviceHandle& device) {
    ScopedServiceHandle manager(platform.services, platform.services.OpenManager(kScManagerAllAccess));
    if (manager) InstallAndStart(platform.services, manager.Get(), driverPath);
    const DeviceHandle opened =
        platform.devices.Open(std::u16string(u"\\\\.\\") + kBiosServiceName, kDeviceReadWrite, kShareRead);
    if (opened == kInvalidDevice) return false;
    device = opened;
    return true;
}

}  // namespace

std::u16string BiosDriverFileFor(int osCode) {
    if (osCode == kXp64 || osCode == kVista64 || osCode == kWindows7x64) return kBiosDriverFile64;
    if (osCode >= kFirstNtCode) return kBiosDriverFile32;
    return {};
}

bool LoadBiosDriver(Platform& platform, int osCode, DeviceHandle& device) {
    const std::u16string file = BiosDriverFileFor(osCode);
    const std::u16string folder = ExecutableFolder(platform.processInfo.ExecutablePath());
    const std::u16string driverPath = file.empty() || folder.empty() ? std::u16string() : folder + file;
    if (!InstallAndOpen(platform, driverPath, device)) {
        RemoveBiosDriverService(platform.services);
        return false;
    }
    platform.mutexes.CreateUnowned(kBiosDriverMutex);
    return true;
}

bool RemoveBiosDriverService(IServiceManager& services) {
    ScopedServiceHandle manager(services, services.OpenManager(kScManagerAllAccess));
    if (!manager) return true;
    if (ScopedServiceHandle service(services, services.Open(manager.Get(), kBiosServiceName, kServiceAllAccess));
        service) {
        services.Stop(service.Get());
    }
    if (ScopedServiceHandle service(services, services.Open(manager.Get(), kBiosServiceName, kServiceAllAccess));
        service) {
        services.Delete(service.Get());
    }
    return true;
}

std::uint32_t IdentifyBoard(IDeviceIo& devices, DeviceHandle device) {
    if (device == 0) return 0;
    std::array<std::uint8_t, 256> reply{};
    std::uint32_t returned = 0;
    if (!devices.Control(device, kIdentifyBoardCode, {}, reply, returned)) return 0;
    // The reply need not hold a terminator: the marker is looked for inside the buffer only.
    const auto end = std::find(reply.begin(), reply.end(), std::uint8_t{0});
    const std::string_view text(reinterpret_cast<const char*>(reply.data()),
                                static_cast<std::size_t>(end - reply.begin()));
    if (text.find(kMakerMarker) != std::string_view::npos) return 1;
    return returned;
}

bool ReadBiosInfo(IDeviceIo& devices, BiosInfoRecord& record, DeviceHandle device) {
    for (std::size_t start = 0; start < 4 * kBiosInfoStringBytes; start += kBiosInfoStringBytes) record[start] = 0;
    PutU32(record, 4 * kBiosInfoStringBytes, 0);
    std::uint32_t returned = 0;
    return devices.Control(device, kReadBiosInfoCode, record, record, returned);
}

}  // namespace veltra
