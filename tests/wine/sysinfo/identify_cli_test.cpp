#include <gtest/gtest.h>

#include "support/child_process.h"

namespace veltra {
namespace {

std::string RunIdentify(const std::wstring& options) {
    const auto result = winetest::RunChild(L"\"" + winetest::ProgramFolder() + L"veltra-cli.exe\" identify" + options);
    EXPECT_EQ(result.exitCode, 0u);
    return result.output;
}

// Before the hardware is reached the board fields are empty, no PCI id is listed, the
// graphics card is not identified and the DMI test has not run: the user sees that plainly.
TEST(IdentifyCli, ShowsTheHardwareFieldsBeforeTheyAreIdentified) {
    const std::string lines = RunIdentify(L"");
    for (const char* line : {"\nVT5.cMB_Model=\n", "\nVT5.cMB_BIOS_Version=\n", "\nVT5.cMB_BIOS_Vendor=\n",
                             "\nVT5.sHomeModel=\n", "\nVT5.sHomeBIOSVersion=\n"}) {
        EXPECT_NE(lines.find(line), std::string::npos) << line << " in\n" << lines;
    }
    EXPECT_EQ(lines.find("saPciIds"), std::string::npos) << lines;
    EXPECT_EQ(lines.find("pVGA"), std::string::npos) << lines;

    const std::string json = RunIdentify(L" --json");
    EXPECT_NE(json.find("\"cMB_Model\":\"\",\"cMB_BIOS_Version\":\"\",\"cMB_BIOS_Vendor\":\"\""), std::string::npos)
        << json;
    EXPECT_NE(json.find("\"saPciIds\":[],\"pVGA\":null},\"dmiBiosMajorRelease4\":null,\"dqaTest\":false,"
                        "\"nvidiaDriverVersion\":\"\",\"installed\":{"),
              std::string::npos)
        << json;
}

}  // namespace
}  // namespace veltra
