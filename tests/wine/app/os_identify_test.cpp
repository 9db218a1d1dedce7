#include <gtest/gtest.h>

#include "support/child_process.h"
#include "support/program_machine.h"
#include "support/test_window.h"

namespace veltra {
namespace {

using winetest::ScopedRegistryValue;

constexpr wchar_t kCurrentVersion[] = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// The console front end on each Windows Wine pretends to be: one row per way the real calls
// are read (no build label, a 32-bit and a 64-bit one); the whole table is DetectOS's native test.
TEST(OsIdentification, XPVistaAnd7WithTheirBuildLabelsEndToEnd) {
    const struct {
        const wchar_t* wineVersion;  // what Wine reports through GetVersionExW
        const wchar_t* buildLab;     // null: no build label
        const wchar_t* currentVersion;
        const char* expected;
    } rows[] = {
        {L"winxp", nullptr, L"5.1", "\"nOS\":128,\"sOSName\":\"Windows XP\""},
        {L"vista", L"6002.18005.x86fre.lh_sp2rtm.090410-1830", L"6.0", "\"nOS\":512,\"sOSName\":\"Windows Vista 32Bit\""},
        {L"win7", L"7601.17514.amd64fre.win7sp1_rtm.101119-1850", L"6.1", "\"nOS\":4096,\"sOSName\":\"Windows 7 64Bit\""},
    };
    const winetest::ProgramMachine machine(L"board");
    // The 32-bit systems choose the 32-bit BIOS driver file; the simulated driver, built for
    // this word size only, serves under that name as well.
    CopyFileW(machine.Folder().DriverPath(winetest::SimDriver::Norvabios).c_str(),
              (machine.Folder().Path() + L"norvabios32_100507.sys").c_str(), FALSE);
    ScopedRegistryValue version(HKEY_CURRENT_USER, L"Software\\Wine", L"Version");
    ScopedRegistryValue buildLab(HKEY_LOCAL_MACHINE, kCurrentVersion, L"BuildLabEx");
    ScopedRegistryValue currentVersion(HKEY_LOCAL_MACHINE, kCurrentVersion, L"CurrentVersion");
    for (const auto& row : rows) {
        version.Set(row.wineVersion);
        row.buildLab ? buildLab.Set(row.buildLab) : buildLab.Remove();
        currentVersion.Set(row.currentVersion);
        const auto result = winetest::RunChild(machine.Program(L"veltra-cli.exe") + L" identify --json");
        EXPECT_EQ(result.exitCode, 0u);
        EXPECT_NE(result.output.find(row.expected), std::string::npos) << result.output;
    }
}

}  // namespace
}  // namespace veltra
