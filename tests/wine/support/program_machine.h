#pragma once
#include <windows.h>

#include <string>

#include "support/sim_machine.h"
#include "support/test_window.h"

namespace veltra::winetest {

// The programs under test in a folder with the simulated drivers and one test profile, on
// a Windows 7 whose build label matches the drivers' word size (the BIOS driver's file is
// chosen by it). The program leaves both driver services running, as it should; they are
// removed before and after, so every test starts from a machine without them.
class ProgramMachine {
public:
    explicit ProgramMachine(const std::wstring& profileName);
    ProgramMachine(const ProgramMachine&) = delete;
    ProgramMachine& operator=(const ProgramMachine&) = delete;
    ~ProgramMachine();
    // The quoted path of one of the programs in the folder.
    std::wstring Program(const wchar_t* name) const { return L"\"" + folder_.Path() + name + L"\""; }
    const SimMachineFolder& Folder() const { return folder_; }

private:
    SimMachineFolder folder_;
    ScopedRegistryValue buildLabel_;
};

// Whether a service exists and whether it runs.
struct ServiceState {
    bool exists = false;
    bool running = false;
};
ServiceState QueryServiceState(const std::wstring& name);

}  // namespace veltra::winetest
