#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/child_process.h"
#include "support/program_machine.h"

namespace veltra {
namespace {

// The console front end through both simulated drivers: the demo PCs as their profiles
// document them; the PCs of today with devices behind bridges on high buses, SATA and NVMe
// storage, the 64-bit SMBIOS entry point and a table that does not start with the BIOS structure.
TEST(IdentifyCli, ShowsEachDemoPcAsItsProfileDocuments) {
    const struct {
        const wchar_t* profile;
        std::vector<const char*> lines;
    } rows[] = {
        {L"demo-pc",
         {"\nVT5.cMB_Model=QB-7100\nVT5.cMB_BIOS_Version=1.20\nVT5.cMB_BIOS_Vendor=Corvid Firmware Inc.\n",
          "\nVT5.saPciIds=VEN_1F3C&DEV_2A10\nVT5.saPciIds=VEN_1F3C&DEV_2A22\nVT5.saPciIds=VEN_1F3C&DEV_2A40\n"
          "VT5.saPciIds=VEN_1E7B&DEV_5A68\nVT5.saPciIds=VEN_10DE&DEV_0E9D\nVT5.saPciIds=VEN_1F3C&DEV_2A82\n"
          "VT5.saPciIds=VEN_1F3C&DEV_2A83\n",
          "\nVT5.pVGA.sBIOSVersion=62.94.1A.00.07\n", "\nDMI.BiosMajorRelease4=0\n"}},
        {L"demo-notebook",
         {"\nVT5.cMB_Model=QB-8400\n",
          "\nVT5.saPciIds=VEN_1F3C&DEV_3C40\nVT5.saPciIds=VEN_1E5A&DEV_5016\nVT5.saPciIds=VEN_1002&DEV_9E70\n"
          "VT5.saPciIds=VEN_1002&DEV_9E71\nVT5.saPciIds=VEN_1F3C&DEV_3C60\n",
          "\nVT5.pVGA.sBIOSVersion=022.001.002.008.000001\n", "\nDMI.BiosMajorRelease4=1\n"}},
        {L"demo-workstation",
         {"\nVT5.cMB_Model=QB-9100\n",
          "\nVT5.saPciIds=VEN_1F3C&DEV_3D17\nVT5.saPciIds=VEN_1F3C&DEV_3D1B\nVT5.saPciIds=VEN_1F3C&DEV_3D1F\n"
          "VT5.saPciIds=VEN_1F3C&DEV_3D1E\nVT5.saPciIds=VEN_1E5A&DEV_5018\nVT5.saPciIds=VEN_1E90&DEV_2000\n"
          "VT5.saPciIds=VEN_1E42&DEV_0A30\n",
          "\nVT5.pVGA.nDeviceID=8192\n"}},
    };
    for (const auto& row : rows) {
        const winetest::ProgramMachine machine(row.profile);
        const auto lines = winetest::RunChild(machine.Program(L"veltra-cli.exe") + L" identify");
        EXPECT_EQ(lines.exitCode, 0u) << lines.errors;
        for (const char* line : row.lines) EXPECT_THAT(lines.output, ::testing::HasSubstr(line));
    }
}

}  // namespace
}  // namespace veltra
