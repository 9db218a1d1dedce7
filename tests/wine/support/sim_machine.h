#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace veltra::winetest {

// The two simulated kernel drivers of the build (build/<preset>/sim-drivers).
enum class SimDriver { Porvik, Norvabios };

// Whether the Windows the tests run on is 64-bit, whatever the test program's word size.
bool WindowsIs64Bit();
// Whether the test program is an x86 one on 64-bit Windows (WoW64).
bool RunsUnderWow64();

std::wstring SimDriverFileName(SimDriver driver);
std::wstring SimServiceName(SimDriver driver);
std::wstring SimDevicePath(SimDriver driver);

// One control request as the simulated driver logged it.
struct SimRequest {
    std::uint32_t code = 0;
    std::uint32_t inputLength = 0;
    std::uint32_t outputLength = 0;
    std::vector<std::uint8_t> input;
    bool operator==(const SimRequest&) const = default;
};

// A temporary folder holding the simulated drivers and one compiled test profile
// (build/<preset>/sim-profiles/NAME.bin, as sim-machine.bin); removed when it goes.
class SimMachineFolder {
public:
    explicit SimMachineFolder(const std::wstring& profileName, bool withProfile = true);
    SimMachineFolder(const SimMachineFolder&) = delete;
    SimMachineFolder& operator=(const SimMachineFolder&) = delete;
    ~SimMachineFolder();
    const std::wstring& Path() const { return folder_; }  // with its trailing backslash
    std::wstring DriverPath(SimDriver driver) const { return folder_ + SimDriverFileName(driver); }
    // The requests logged since the driver started, in order.
    std::vector<SimRequest> RequestLog(SimDriver driver) const;

private:
    std::wstring folder_;
};

// A kernel-driver service for a simulated driver, installed through the real service
// manager; stopped and deleted when it goes.
class SimDriverService {
public:
    SimDriverService(SimDriver driver, const std::wstring& binaryPath);
    SimDriverService(const SimDriverService&) = delete;
    SimDriverService& operator=(const SimDriverService&) = delete;
    ~SimDriverService();
    bool Installed() const { return service_ != nullptr; }
    // TRUE when the service started; otherwise StartError() holds GetLastError().
    bool Start();
    DWORD StartError() const { return startError_; }

private:
    SC_HANDLE manager_ = nullptr;
    SC_HANDLE service_ = nullptr;
    DWORD startError_ = 0;
};

// Removes a service of that name left by an earlier run, so a test starts clean.
void RemoveSimService(SimDriver driver);

struct ControlResult {
    bool ok = false;
    DWORD error = 0;
    DWORD bytesReturned = 0;
    std::vector<std::uint8_t> output;  // the whole output buffer
};

// An open handle on a simulated driver's device.
class SimDevice {
public:
    explicit SimDevice(SimDriver driver);
    SimDevice(const SimDevice&) = delete;
    SimDevice& operator=(const SimDevice&) = delete;
    ~SimDevice();
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    ControlResult Control(DWORD code, const std::vector<std::uint8_t>& input, DWORD outputSize) const;

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Little-endian packing of request fields.
void AppendU32(std::vector<std::uint8_t>& bytes, std::uint32_t value);
std::uint32_t U32At(const std::vector<std::uint8_t>& bytes, std::size_t at);

}  // namespace veltra::winetest
