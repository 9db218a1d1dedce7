#include "support/sim_machine.h"

#include "support/child_process.h"
#include "support/source_tree.h"

namespace veltra::winetest {
namespace {

std::wstring BuildFolder() { return ProgramFolder() + L"..\\"; }

}  // namespace

bool RunsUnderWow64() {
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

bool WindowsIs64Bit() { return sizeof(void*) == 8 || RunsUnderWow64(); }

// The drivers of the Windows the tests run on, not of the test program: an x86 program on
// 64-bit Windows loads the 64-bit ones.
std::wstring SimDriverFileName(SimDriver driver) {
    if (WindowsIs64Bit()) return driver == SimDriver::Porvik ? L"Porvik_X64.sys" : L"norvabios64_100507.sys";
    return driver == SimDriver::Porvik ? L"Porvik.sys" : L"norvabios32_100507.sys";
}

std::wstring SimServiceName(SimDriver driver) {
    return driver == SimDriver::Porvik ? L"Porvik_1_0_4" : L"NORVA_NORVABIOS_010507";
}

std::wstring SimDevicePath(SimDriver driver) { return L"\\\\.\\" + SimServiceName(driver); }

void AppendU32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (unsigned i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    if (at + 4 > bytes.size()) return 0;
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

SimMachineFolder::SimMachineFolder(const std::wstring& profileName, bool withProfile) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = std::wstring(temp) + L"veltra-sim-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(GetTickCount64()) + L"\\";
    CreateDirectoryW(folder_.c_str(), nullptr);
    for (SimDriver driver : {SimDriver::Porvik, SimDriver::Norvabios})
        CopyFileW((BuildFolder() + L"sim-drivers\\" + SimDriverFileName(driver)).c_str(), DriverPath(driver).c_str(),
                  FALSE);
    if (withProfile)
        CopyFileW((BuildFolder() + L"sim-profiles\\" + profileName + L".bin").c_str(),
                  (folder_ + L"sim-machine.bin").c_str(), FALSE);
}

SimMachineFolder::~SimMachineFolder() {
    // A driver image may stay mapped for a moment after its service stopped.
    PumpUntil(
        [this] {
            RemoveTree(folder_);
            return !FileExists(folder_);
        },
        2000);
}

std::vector<SimRequest> SimMachineFolder::RequestLog(SimDriver driver) const {
    const std::string log = ReadBytes(folder_ + SimServiceName(driver) + L".requests");
    const std::vector<std::uint8_t> bytes(log.begin(), log.end());
    std::vector<SimRequest> requests;
    std::size_t at = 0;
    while (at + 12 <= bytes.size()) {
        SimRequest request{U32At(bytes, at), U32At(bytes, at + 4), U32At(bytes, at + 8), {}};
        at += 12;
        if (request.inputLength > bytes.size() - at) break;  // a torn record ends the log
        request.input.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                             bytes.begin() + static_cast<std::ptrdiff_t>(at + request.inputLength));
        at += request.inputLength;
        requests.push_back(std::move(request));
    }
    return requests;
}

SimDriverService::SimDriverService(SimDriver driver, const std::wstring& binaryPath) {
    manager_ = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager_) return;
    const std::wstring name = SimServiceName(driver);
    service_ = CreateServiceW(manager_, name.c_str(), name.c_str(), SERVICE_ALL_ACCESS, SERVICE_KERNEL_DRIVER,
                              SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, binaryPath.c_str(), nullptr, nullptr,
                              nullptr, nullptr, nullptr);
}

bool SimDriverService::Start() {
    if (!service_) return false;
    const bool started = StartServiceW(service_, 0, nullptr) != FALSE;
    startError_ = started ? 0 : GetLastError();
    return started;
}

SimDriverService::~SimDriverService() {
    if (service_) {
        SERVICE_STATUS status{};
        if (ControlService(service_, SERVICE_CONTROL_STOP, &status))
            PumpUntil([&] { return QueryServiceStatus(service_, &status) && status.dwCurrentState == SERVICE_STOPPED; },
                      2000);
        DeleteService(service_);
        CloseServiceHandle(service_);
    }
    if (manager_) CloseServiceHandle(manager_);
}

void RemoveSimService(SimDriver driver) {
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (!manager) return;
    SC_HANDLE service = OpenServiceW(manager, SimServiceName(driver).c_str(), SERVICE_ALL_ACCESS);
    if (service) {
        SERVICE_STATUS status;
        ControlService(service, SERVICE_CONTROL_STOP, &status);
        DeleteService(service);
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
}

SimDevice::SimDevice(SimDriver driver) {
    handle_ = CreateFileW(SimDevicePath(driver).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
}

SimDevice::~SimDevice() {
    if (IsOpen()) CloseHandle(handle_);
}

ControlResult SimDevice::Control(DWORD code, const std::vector<std::uint8_t>& input, DWORD outputSize) const {
    ControlResult result;
    result.output.assign(outputSize, 0xCC);
    std::vector<std::uint8_t> in = input;  // DeviceIoControl takes a non-const input buffer
    result.ok = DeviceIoControl(handle_, code, in.empty() ? nullptr : in.data(), static_cast<DWORD>(in.size()),
                                outputSize ? result.output.data() : nullptr, outputSize, &result.bytesReturned,
                                nullptr) != FALSE;
    result.error = result.ok ? 0 : GetLastError();
    return result;
}

}  // namespace veltra::winetest
