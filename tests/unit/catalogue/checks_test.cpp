#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalogue/checks.h"
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
    std::vector<unsigned char> devices, drivers;
    for (const auto& row : {VidDidBytes("R", "LAN", "VEN_1E7B&DEV_5A68"), VidDidBytes("r", "chip", "VEN_1F3C&DEV_2A22"),
                            VidDidBytes("X", "AUDIO", "VEN_1F3C&DEV_2A22"), VidDidBytes("R", "CHIP2", "VEN_1F3C&DEV_2A22")})
        devices.insert(devices.end(), row.begin(), row.end());
    devices.resize(devices.size() + 30, 'q');  // a trailing partial row
    for (const auto& row : {DriverBytes("CHIP", "ALL", "9.1", "Chipset"), DriverBytes("LAN", "XP32 W764", "2.5", "Lan"),
                            DriverBytes("chip2", "W732", "3.0", "Chip XP"), DriverBytes("CHIP2", "W764", "3.1", "Chip 7"),
                            DriverBytes("AUDIO", "ALL", "1.0", "Audio"), DriverBytes("LAN", "ALL", "2.6", "Lan new")})
        drivers.insert(drivers.end(), row.begin(), row.end());
    f.AddCatalogue(u"VIDDID.rec", devices);
    f.AddCatalogue(u"DRVList.rec", drivers);
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

}  // namespace
}  // namespace veltra::testing
