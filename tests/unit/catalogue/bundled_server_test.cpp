#include <gtest/gtest.h>

#include "catalogue/device_tables.h"
#include "catalogue_fixture.h"

namespace veltra::testing {
namespace {

TEST(BundledServer, DeviceTablesMatchTheirTextForm) {
    for (const std::string mode : {"DataBase", "DQATest"}) {
        const auto drivers = SourceFile("examples/tables/" + mode + "/DRVList.txt");
        const auto devices = SourceFile("examples/tables/" + mode + "/VIDDID.txt");
        EXPECT_EQ(CompileDriverTable(std::string(drivers.begin(), drivers.end())).bytes,
                  SourceFile("examples/server/" + mode + "/VT5/DRVList.rec"));
        EXPECT_EQ(CompileVidDidTable(std::string(devices.begin(), devices.end())).bytes,
                  SourceFile("examples/server/" + mode + "/VT5/VIDDID.rec"));
    }
    EXPECT_EQ(CompileDriverTable("a|b|c\n").error, "line 1: 6 fields expected");
    EXPECT_EQ(CompileVidDidTable("# note\n\nR|K|VEN_1&DEV_2|x\n").error, "line 3: 3 fields expected");
}

}  // namespace
}  // namespace veltra::testing
