#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/source_tree.h"
#include "support/test_window.h"

namespace veltra::winetest {

// The two simulated kernel drivers of the build (build/<preset>/sim-drivers).
enum class SimDriver { Porvik, Norvabios };

// Whether the Windows the tests run on is 64-bit, whatever the test program's word size.
bool WindowsIs64Bit();

std::wstring SimDriverFileName(SimDriver driver);
std::wstring SimServiceName(SimDriver driver);

// One control request as the simulated driver logged it.
struct SimRequest {
    std::uint32_t code = 0;
    std::uint32_t inputLength = 0;
    std::uint32_t outputLength = 0;
    std::vector<std::uint8_t> input;
    bool operator==(const SimRequest&) const = default;
};

// The programs under test in a temporary folder with the simulated drivers and one compiled
// test profile (build/<preset>/sim-profiles/NAME.bin, as sim-machine.bin), on a Windows 7
// whose build label matches the drivers' word size (the BIOS driver's file is chosen by it).
// The program leaves both driver services running, as it should; they are removed before
// and after, so every test starts from a machine without them.
class ProgramMachine {
public:
    explicit ProgramMachine(const std::wstring& profileName);
    ProgramMachine(const ProgramMachine&) = delete;
    ProgramMachine& operator=(const ProgramMachine&) = delete;
    ~ProgramMachine();
    // The quoted path of one of the programs in the folder.
    std::wstring Program(const wchar_t* name) const { return L"\"" + folder_.Path() + name + L"\""; }
    std::wstring DriverPath(SimDriver driver) const { return folder_.Path(SimDriverFileName(driver)); }
    // The requests logged since the driver started, in order.
    std::vector<SimRequest> RequestLog(SimDriver driver) const;

private:
    ScratchFolder folder_{UniqueTempPath(L"veltra-sim-")};
    ScopedRegistryValue buildLabel_;
};

// Under WoW64 Wine starts a driver service the x86 program creates in its 32-bit driver host,
// which cannot load 64-bit drivers; the system's own sc.exe installs and starts the drivers in
// `folder` instead, as the maker's driver installer would, and the program finds them running.
// A driver file the folder lacks is left out. False when a service did not come to run.
// ProgramMachine does this for the tests, start-sim-drivers.exe for scripts/prepare-machine.
bool StartDriversFromTheSystemSide(const std::wstring& folder);

// Whether a service exists and whether it runs.
struct ServiceState {
    bool exists = false;
    bool running = false;
};
ServiceState QueryServiceState(const std::wstring& name);

}  // namespace veltra::winetest
