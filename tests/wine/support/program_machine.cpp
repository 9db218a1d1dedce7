#include "support/program_machine.h"

#include "support/child_process.h"

namespace veltra::winetest {

namespace {

// veltra.exe and veltra-cli.exe from the build, to run beside the folder's driver files.
void CopyProgramsTo(const std::wstring& folder) {
    for (const wchar_t* program : {L"veltra.exe", L"veltra-cli.exe"}) {
        CopyFileW((ProgramFolder() + program).c_str(), (folder + program).c_str(), FALSE);
    }
}

// Under WoW64 Wine starts a driver service the x86 program creates in its 32-bit driver
// host, which cannot load 64-bit drivers; the system's own sc.exe installs and starts them
// instead, as the maker's driver installer would, and the program finds them running.
void StartDriversFromTheSystemSide(const SimMachineFolder& folder) {
    for (SimDriver driver : {SimDriver::Porvik, SimDriver::Norvabios}) {
        if (GetFileAttributesW(folder.DriverPath(driver).c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        const std::wstring sc = L"C:\\windows\\sysnative\\sc.exe ";
        RunChild(sc + L"create " + SimServiceName(driver) + L" type= kernel start= demand binPath= \"" +
                 folder.DriverPath(driver) + L"\"");
        RunChild(sc + L"start " + SimServiceName(driver));
    }
}

}  // namespace

ProgramMachine::ProgramMachine(const std::wstring& profileName)
    : folder_(profileName),
      buildLabel_(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"BuildLabEx") {
    buildLabel_.Set(WindowsIs64Bit() ? L"7601.17514.amd64fre.win7sp1_rtm.101119-1850"
                                     : L"7601.17514.x86fre.win7sp1_rtm.101119-1850");
    for (SimDriver driver : {SimDriver::Porvik, SimDriver::Norvabios}) RemoveSimService(driver);
    CopyProgramsTo(folder_.Path());
    if (RunsUnderWow64()) StartDriversFromTheSystemSide(folder_);
}

ProgramMachine::~ProgramMachine() {
    // The services first: the machine's folder then goes with all the program wrote in it.
    for (SimDriver driver : {SimDriver::Porvik, SimDriver::Norvabios}) RemoveSimService(driver);
}

ServiceState QueryServiceState(const std::wstring& name) {
    ServiceState state;
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (manager == nullptr) return state;
    SC_HANDLE service = OpenServiceW(manager, name.c_str(), SERVICE_QUERY_STATUS);
    if (service != nullptr) {
        state.exists = true;
        SERVICE_STATUS status{};
        state.running = QueryServiceStatus(service, &status) && status.dwCurrentState == SERVICE_RUNNING;
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return state;
}

}  // namespace veltra::winetest
