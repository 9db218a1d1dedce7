#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalogue/checks.h"
#include "catalogue_fixture.h"
#include "fakes/recording_debug_sink.h"

namespace veltra::testing {
namespace {

using ::testing::ElementsAre;

std::string BiosEntry(std::string_view model, std::string_view version) {
    return "<" + std::string(model) + "><Vendor>Corvid</Vendor><Version>" + std::string(version) +
           "</Version><VerRangeMin>None</VerRangeMin><VerRangeMax>None</VerRangeMax><MarkName>m</MarkName>\n";
}

std::vector<std::string> OnlineVersions(const std::vector<CheckRecord>& records) {
    std::vector<std::string> versions;
    for (const CheckRecord& record : records) versions.push_back(record.onlineVersion);
    return versions;
}

// A record's type, item, current version, online version and description.
using Offer = std::vector<std::string>;
std::vector<Offer> Offers(const std::vector<CheckRecord>& records) {
    std::vector<Offer> offers;
    for (const CheckRecord& r : records) offers.push_back({r.type, r.item, r.currentVersion, r.onlineVersion, r.description});
    return offers;
}

TEST(CheckLB, DmiReleaseFourBoardsAndTestModeChangeWhatMatches) {
    CheckFixture f;
    f.AddCatalogue(u"BIOSList.xml", BiosEntry("QB-7100", "1.5") + BiosEntry("QB-7100xx", "1.6") +
                                        BiosEntry("QB-7100", "1.0"));
    f.context.inputs.dmiBiosMajorRelease4 = true;
    f.Open(1);
    Check_LB(f.context);
    EXPECT_THAT(OnlineVersions(f.Records()), ElementsAre("1.6"));
    EXPECT_EQ(f.Records()[0].item, "QB-7100");  // the record names the board without "xx"
    // In DQA TEST mode the "xx" rule is off and older entries are listed too.
    f.context.inputs.dqaTest = true;
    f.Open(1);
    Check_LB(f.context);
    EXPECT_THAT(OnlineVersions(f.Records()), ElementsAre("1.5", "1.0"));
}

struct DriverFixture : CheckFixture {
    DriverFixture() {
        vt5.saPciIds = {u"VEN_1F3C&DEV_2A22", u"VEN_1E7B&DEV_5A68"};
        std::vector<unsigned char> table;
        for (const auto& row : {VidDidBytes("R", "LAN", "VEN_1E7B&DEV_5A68"), VidDidBytes("r", "chip", "VEN_1F3C&DEV_2A22"),
                                VidDidBytes("X", "AUDIO", "VEN_1F3C&DEV_2A22"), VidDidBytes("R", "CHIP2", "VEN_1F3C&DEV_2A22")}) {
            table.insert(table.end(), row.begin(), row.end());
        }
        table.resize(table.size() + 30, 'q');  // a trailing partial row
        AddCatalogue(u"VIDDID.rec", table);
    }
    void SetDrivers(const std::vector<std::vector<unsigned char>>& rows) {
        std::vector<unsigned char> list;
        for (const auto& row : rows) list.insert(list.end(), row.begin(), row.end());
        AddCatalogue(u"DRVList.rec", list);
    }
};

TEST(CheckLD, OneRecordPerDeviceRowAndDriverInNestedOrder) {
    DriverFixture f;
    f.SetDrivers({DriverBytes("CHIP", "ALL", "9.1", "Chipset"), DriverBytes("LAN", "XP32 W764", "2.5", "Lan"),
                  DriverBytes("chip2", "W732", "3.0", "Chip XP"), DriverBytes("CHIP2", "W764", "3.1", "Chip 7"),
                  DriverBytes("AUDIO", "ALL", "1.0", "Audio"), DriverBytes("LAN", "ALL", "2.6", "Lan new")});
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

TEST(CheckLD, AListLongerThanOneReadIsReadToItsEnd) {
    DriverFixture f;
    std::vector<std::vector<unsigned char>> rows(60, DriverBytes("NONE", "ALL", "1.0", "Unused"));  // 66,840 bytes
    rows.push_back(DriverBytes("LAN", "ALL", "2.6", "Lan"));
    f.SetDrivers(rows);
    f.Open(0);
    EXPECT_EQ(Check_LD(f.context), 1);
}

TEST(CheckLD, TextModeShiftsRecordsAfterACarriageReturnPair) {
    DriverFixture f;
    auto first = DriverBytes("LAN", "ALL", "2.6", "Lan");
    first[900] = '\r';
    first[901] = '\n';  // reads as one byte, so the record after it is one byte short
    auto second = DriverBytes("LAN", "ALL", "2.7", "Lan two");
    f.SetDrivers({first, second});
    f.Open(0);
    EXPECT_EQ(Check_LD(f.context), 1);
}

}  // namespace
}  // namespace veltra::testing
