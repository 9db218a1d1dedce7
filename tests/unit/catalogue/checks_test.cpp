#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalogue/checks.h"
#include "catalogue/device_tables.h"
#include "catalogue_fixture.h"
#include "fakes/recording_debug_sink.h"

namespace veltra::testing {
namespace {

using ::testing::ElementsAre;

// A record's type, item, current version, online version and description.
using Offer = std::vector<std::string>;
std::vector<Offer> Offers(const std::vector<CheckRecord>& records) {
    std::vector<Offer> offers;
    for (const CheckRecord& r : records) offers.push_back({r.type, r.item, r.currentVersion, r.onlineVersion, r.description});
    return offers;
}

TEST(CheckLD, OneRecordPerDeviceRowAndDriverInNestedOrder) {
    CheckFixture f;
    f.vt5.saPciIds = {u"VEN_1F3C&DEV_2A22", u"VEN_1E7B&DEV_5A68"};
    std::vector<unsigned char> devices = CompileVidDidTable("R|LAN|VEN_1E7B&DEV_5A68\n"
                                                            "r|chip|VEN_1F3C&DEV_2A22\n"
                                                            "X|AUDIO|VEN_1F3C&DEV_2A22\n"
                                                            "R|CHIP2|VEN_1F3C&DEV_2A22\n").bytes;
    devices.resize(devices.size() + 30, 'q');  // a trailing partial row
    f.AddCatalogue(u"VIDDID.rec", devices);
    f.AddCatalogue(u"DRVList.rec", CompileDriverTable("CHIP|ALL|9.1|Chipset|/drv/x.exe|1 MB\n"
                                                      "LAN|XP32 W764|2.5|Lan|/drv/x.exe|1 MB\n"
                                                      "chip2|W732|3.0|Chip XP|/drv/x.exe|1 MB\n"
                                                      "CHIP2|W764|3.1|Chip 7|/drv/x.exe|1 MB\n"
                                                      "AUDIO|ALL|1.0|Audio|/drv/x.exe|1 MB\n"
                                                      "LAN|ALL|2.6|Lan new|/drv/x.exe|1 MB\n").bytes);
    f.fake.registry.SetHklm(u"SOFTWARE\\Norva\\Drivers\\Chipset", u"Version", u"10.0");
    f.fake.registry.SetHklm(u"SOFTWARE\\Norva\\Drivers\\Lan", u"Version", u"2.5");
    f.fake.registry.SetHklm(u"SOFTWARE\\Norva\\Drivers\\Lan new", u"Version", u"2.5");
    fakes::ScopedDebugCapture log;
    f.Open(0);
    EXPECT_EQ(Check_LD(f.context), 3);
    const auto records = f.Records();
    // Chipset: installed 10.0 sorts below 9.1. Lan 2.5 is current; audio's row is not an "R" row.
    EXPECT_THAT(Offers(records), ElementsAre(Offer{"MB Driver", "Chipset", "10.0", "9.1", "Unknown"},
                                             Offer{"MB Driver", "Chip 7", "Unknown", "3.1", "Unknown"},
                                             Offer{"MB Driver", "Lan new", "2.5", "2.6", "Unknown"}));
    EXPECT_THAT(log.Lines(), ::testing::Contains(u"0002 :  iVIDDID_cnt = 3\n\tiTotalPCI = 2"));
    EXPECT_EQ(log.Lines().back(), u"0027 :  iResult = 3");
    EXPECT_EQ(Check_LD(f.context), 3) << "the open driver list is read again from its start";
}

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
