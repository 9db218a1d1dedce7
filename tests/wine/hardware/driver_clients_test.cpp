// The program's driver clients against the simulated drivers, through the real service
// manager and device I/O: what the program does and the bytes the drivers logged.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "hardware/bios_driver.h"
#include "hardware/porvik_driver.h"
#include "platform/win32/win32_platform.h"
#include "support/child_process.h"
#include "support/program_machine.h"
#include "sysinfo/os_detect.h"

namespace veltra {
namespace {

using namespace winetest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using Bytes = std::vector<std::uint8_t>;

// Runs "veltra-cli identify" in the machine's folder: 0 when it identified the machine, 1
// when a driver could not be loaded.
ChildResult Identify(const ProgramMachine& machine, const std::wstring& options = L"", DWORD exitCode = 0) {
    const ChildResult run = RunChild(machine.Program(L"veltra-cli.exe") + L" identify" + options);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, exitCode) << run.errors;
    return run;
}

// Both drivers stay loaded: the second start opens the I/O device at once, and the BIOS
// driver's "exists" and "already running" answers are no failure.
TEST(DriverClients, ProgramLoadsBothDriversAsksTheBiosDriverExactlyAndStartsAgain) {
    ProgramMachine machine(L"board");
    const ChildResult first = Identify(machine, L" --debug");
    EXPECT_THAT(first.output, HasSubstr("VT5.nOS="));
    EXPECT_THAT(first.errors, HasSubstr(" :  VT5.cMB_Model = QB-7715\n\tVT5.cMB_BIOS_Version = 2.30\n"
                                        "\tVT5.cMB_BIOS_Vendor = Test Vendor\n"));
    EXPECT_THAT(machine.RequestLog(SimDriver::Norvabios),
                ElementsAre(SimRequest{0x222020, 0, 256, {}}, SimRequest{0x222014, 1028, 1028, Bytes(1028, 0)}));
    EXPECT_FALSE(machine.RequestLog(SimDriver::Porvik).empty()) << "the hardware readers use the I/O driver";
    EXPECT_TRUE(QueryServiceState(SimServiceName(SimDriver::Porvik)).running);
    EXPECT_TRUE(QueryServiceState(SimServiceName(SimDriver::Norvabios)).running);
    const ChildResult second = Identify(machine);
    EXPECT_EQ(second.errors, "");
    EXPECT_EQ(second.output, first.output);
    EXPECT_EQ(machine.RequestLog(SimDriver::Norvabios).size(), 4u) << "two requests per start";
}

TEST(DriverClients, RefusedBiosDriverIsRemovedAndTheRunEndsWithOne) {
    ProgramMachine machine(L"bios-refused");
    const ChildResult run = Identify(machine, L" --debug", 1);
    EXPECT_EQ(run.output, "");
    // The last debug lines (their order is the native tests'), then the console's verdict.
    EXPECT_THAT(run.errors, ::testing::EndsWith(" :  Checking driver...\n"
                                                  "veltra-cli: nothing was identified: a driver could not be started\n"));
    EXPECT_FALSE(QueryServiceState(SimServiceName(SimDriver::Norvabios)).exists);
    EXPECT_TRUE(QueryServiceState(SimServiceName(SimDriver::Porvik)).running);
}

// Through the real drivers: the server's graphics card on its third root bus, the mini-PC's
// BIOS structure at the end of a table shorter than its entry point's maximum.
TEST(DriverClients, IdentifiesTheServersRootBusesAndTheMiniPcsShortTable) {
    const std::pair<const wchar_t*, std::vector<const char*>> rows[] = {
        {L"demo-server", {"VT5.saPciIds=VEN_1E42&DEV_0A40\nVT5.saPciIds=VEN_10DE&DEV_0EB2\n", "VT5.pVGA.sVendor=NVIDIA\n",
                          "VT5.pVGA.sBIOSVersion=70.02.3C.00.01\n", "DMI.BiosMajorRelease4=0"}},
        {L"demo-minipc", {"VT5.cMB_Model=QB-3100\n", "DMI.BiosMajorRelease4=1"}},
    };
    for (const auto& [profile, lines] : rows) {
        ProgramMachine machine(profile);
        const ChildResult run = Identify(machine);
        for (const char* line : lines) EXPECT_THAT(run.output, HasSubstr(line));
    }
}

// The program asks for the drivers of the Windows it runs on, whatever its own word size: an
// x86 program on 64-bit Windows (WoW64) the 64-bit ones, as a real PC needs. Wine then starts
// a driver service that a 32-bit process created in its 32-bit driver host, which cannot load
// them, so the x86 tests that load drivers run on 32-bit Windows.
TEST(DriverClients, TheProgramChoosesTheDriversOfTheWindowsItRunsOn) {
    const bool windows64 = WindowsIs64Bit();
    Win32Platform real;
    EXPECT_EQ(BiosDriverFileFor(DetectOS(real.Get().systemVersion, real.Get().registry)),
              windows64 ? u"norvabios64_100507.sys" : u"norvabios32_100507.sys");
    CPorvikDriver driver(real.Get());
    driver.Initialize();
    EXPECT_EQ(driver.DriverFileName(), windows64 ? u"Porvik_X64.sys" : u"Porvik.sys");
    driver.Release();
}

}  // namespace
}  // namespace veltra
