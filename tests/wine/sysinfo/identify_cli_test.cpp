#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/child_process.h"
#include "support/program_machine.h"

namespace veltra {
namespace {

using ::testing::HasSubstr;

// The console front end on the bundled demo PC, through both simulated drivers: the
// identity its profile documents, in lines and in JSON.
TEST(IdentifyCli, ShowsTheDemoPcAsItsProfileDocuments) {
    const winetest::ProgramMachine machine(L"demo-pc");
    const auto lines = winetest::RunChild(machine.Program(L"veltra-cli.exe") + L" identify");
    EXPECT_EQ(lines.exitCode, 0u) << lines.errors;
    for (const char* line :
         {"\nVT5.cMB_Model=QB-7100\n", "\nVT5.cMB_BIOS_Version=1.20\n", "\nVT5.cMB_BIOS_Vendor=Corvid Firmware Inc.\n",
          "\nVT5.sHomeModel=QB-7100\n", "\nVT5.sHomeBIOSVersion=1.20\n",
          "\nVT5.saPciIds=VEN_1F3C&DEV_2A10\nVT5.saPciIds=VEN_1F3C&DEV_2A22\nVT5.saPciIds=VEN_1F3C&DEV_2A40\n"
          "VT5.saPciIds=VEN_1E7B&DEV_5A68\nVT5.saPciIds=VEN_10DE&DEV_0E9D\nVT5.saPciIds=VEN_1F3C&DEV_2A82\n"
          "VT5.saPciIds=VEN_1F3C&DEV_2A83\n",
          "\nVT5.pVGA.sBIOSVersion=62.94.1A.00.07\n", "\nVT5.pVGA.sModelNo=7600-512\n",
          "\nDMI.BiosMajorRelease4=0\n"}) {
        EXPECT_THAT(lines.output, HasSubstr(line));
    }

    const auto json = winetest::RunChild(machine.Program(L"veltra-cli.exe") + L" identify --json");
    EXPECT_EQ(json.exitCode, 0u);
    EXPECT_THAT(json.output, HasSubstr("\"cMB_Model\":\"QB-7100\",\"cMB_BIOS_Version\":\"1.20\","
                                       "\"cMB_BIOS_Vendor\":\"Corvid Firmware Inc.\""));
    EXPECT_THAT(json.output, HasSubstr("\"dmiBiosMajorRelease4\":false,\"dqaTest\":false,"));
}

}  // namespace
}  // namespace veltra
