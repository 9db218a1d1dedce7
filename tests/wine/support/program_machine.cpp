#include "support/program_machine.h"

#include "core/byte_buffer.h"
#include "support/child_process.h"
#include "support/source_tree.h"

namespace veltra::winetest {
namespace {

std::wstring BuildFolder() { return ProgramFolder() + L"..\\"; }

bool RunsUnderWow64() {
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

// Stops and deletes a service of that name, so a test starts and ends clean.
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

}  // namespace

// sc may return while the service is still starting: a program that found no device then
// would replace the service with its own, which cannot load, so the start is waited for.
bool StartDriversFromTheSystemSide(const std::wstring& folder) {
    bool allRunning = true;
    for (SimDriver driver : {SimDriver::Porvik, SimDriver::Norvabios}) {
        const std::wstring file = folder + SimDriverFileName(driver);
        if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
        const std::wstring sc = L"C:\\windows\\sysnative\\sc.exe ";
        RunChild(sc + L"create " + SimServiceName(driver) + L" type= kernel start= demand binPath= \"" + file + L"\"");
        RunChild(sc + L"start " + SimServiceName(driver));
        allRunning &= PumpUntil([&] { return QueryServiceState(SimServiceName(driver)).running; }, 30000);
    }
    return allRunning;
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

std::vector<SimRequest> ProgramMachine::RequestLog(SimDriver driver) const {
    const std::string log = ReadBytes(folder_.Path(SimServiceName(driver) + L".requests"));
    const std::vector<std::uint8_t> bytes(log.begin(), log.end());
    std::vector<SimRequest> requests;
    std::size_t at = 0;
    while (at + 12 <= bytes.size()) {
        SimRequest request{GetU32(bytes, at), GetU32(bytes, at + 4), GetU32(bytes, at + 8), {}};
        at += 12;
        if (request.inputLength > bytes.size() - at) break;  // a torn record ends the log
        request.input.assign(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                             bytes.begin() + static_cast<std::ptrdiff_t>(at + request.inputLength));
        at += request.inputLength;
        requests.push_back(std::move(request));
    }
    return requests;
}

ProgramMachine::ProgramMachine(const std::wstring& profileName)
    : buildLabel_(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", L"BuildLabEx") {
    for (SimDriver driver : {SimDriver::Porvik, SimDriver::Norvabios})
        CopyFileW((BuildFolder() + L"sim-drivers\\" + SimDriverFileName(driver)).c_str(), DriverPath(driver).c_str(),
                  FALSE);
    CopyFileW((BuildFolder() + L"sim-profiles\\" + profileName + L".bin").c_str(),
              folder_.Path(L"sim-machine.bin").c_str(), FALSE);
    buildLabel_.Set(WindowsIs64Bit() ? L"7601.17514.amd64fre.win7sp1_rtm.101119-1850"
                                     : L"7601.17514.x86fre.win7sp1_rtm.101119-1850");
    for (SimDriver driver : {SimDriver::Porvik, SimDriver::Norvabios}) RemoveSimService(driver);
    for (const wchar_t* program : {L"veltra.exe", L"veltra-cli.exe"})
        CopyFileW((ProgramFolder() + program).c_str(), (folder_.Path() + program).c_str(), FALSE);
    if (RunsUnderWow64()) StartDriversFromTheSystemSide(folder_.Path());
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
