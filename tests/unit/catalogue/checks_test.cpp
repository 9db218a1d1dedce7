#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalogue/checks.h"
#include "catalogue_fixture.h"
#include "fakes/recording_debug_sink.h"

namespace veltra::testing {
namespace {

using ::testing::ElementsAre;

std::string BiosEntry(std::string_view model, std::string_view version, std::string_view min = "None",
                      std::string_view max = "None", std::string_view skip = "None", std::string_view vendor = "Corvid") {
    return "<" + std::string(model) + "><Vendor>" + std::string(vendor) + "</Vendor><Version>" + std::string(version) +
           "</Version><WebPath>/b/" + std::string(version) + ".zip</WebPath><Size>1 MB</Size><VerRangeMin>" +
           std::string(min) + "</VerRangeMin><VerRangeMax>" + std::string(max) + "</VerRangeMax><SkipVer>" +
           std::string(skip) + "</SkipVer><Description>d</Description><MarkName>m</MarkName>\n";
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

TEST(CheckLB, ListsEntriesForThisBoardRangeVersionAndVendor) {
    CheckFixture f;
    f.AddCatalogue(u"BIOSList.xml", BiosEntry("QB-7100", "1.5") + BiosEntry("qb-7100", "1.6") +
                                        BiosEntry("QB-7200", "1.7") + BiosEntry("QB-7100", "1.0") +
                                        BiosEntry("QB-7100", "1.8", "1.2", "None") +
                                        BiosEntry("QB-7100", "1.9", "None", "None", "1,1.10") +
                                        BiosEntry("QB-7100", "2.0", "None", "None", "None", "Other Firmware") +
                                        BiosEntry("QB-7100", "2.1", "None", "None", "None", ""));
    f.Open(1);
    Check_LB(f.context);
    const auto records = f.Records();
    // 1.6: lower-case section; 7200: other board; 1.0: older; 1.8: out of range; 1.9: skipped; 2.0: other vendor.
    EXPECT_THAT(OnlineVersions(records), ElementsAre("1.5", "1.6", "2.1"));
    EXPECT_EQ(std::pair(records[0].index, records[2].index), std::pair(1, 3));
    EXPECT_EQ(Offers(records)[0], (Offer{"MB BIOS", "QB-7100", "1.1", "1.5", "d"}));
    EXPECT_EQ(records[0].webPath, "/b/1.5.zip");
    EXPECT_EQ(f.vt5.resultCount, 3);
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

TEST(CheckLD, MissingTablesAndNoDevicesEndQuietly) {
    DriverFixture f;
    f.SetDrivers({DriverBytes("LAN", "ALL", "2.6", "Lan")});
    {
        fakes::ScopedDebugCapture log;
        EXPECT_EQ(Check_LD(f.context), 0);  // driver list not open
        EXPECT_THAT(log.Lines(), ElementsAre(u"0000 :  Run Check_LD()....1", u"0001 :  fail ... DBF.VT5_LD == NULL"));
    }
    f.Open(0);
    f.vt5.saPciIds.clear();
    EXPECT_EQ(Check_LD(f.context), 0);
    f.fake.fileSystem = fakes::FakeFileSystem();
    f.AddCatalogue(u"DRVList.rec", DriverBytes("LAN", "ALL", "2.6", "Lan"));
    f.Open(0);
    f.vt5.saPciIds = {u"VEN_1E7B&DEV_5A68"};
    EXPECT_EQ(Check_LD(f.context), 0);  // no VIDDID.rec
}

TEST(CheckLD, AnUnknownSystemMatchesOnlyDriversForAll) {
    DriverFixture f;
    f.SetDrivers({DriverBytes("LAN", "XP32 W764", "2.6", "Lan"), DriverBytes("LAN", "ALL", "2.7", "Lan all")});
    f.vt5.sOSCode.clear();
    f.Open(0);
    EXPECT_EQ(Check_LD(f.context), 1);
    EXPECT_EQ(f.Records()[0].item, "Lan all");
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

std::string VgaDriver(std::string_view vendor, std::string_view version, std::string_view systems, std::string_view ids) {
    return "<" + std::string(vendor) + "><NORVAVER>5</NORVAVER><DRVVER>" + std::string(version) + "</DRVVER><OS>" +
           std::string(systems) + "</OS><PATH>/v/" + std::string(version) + ".exe</PATH><SIZE>90 MB</SIZE><ID>" +
           std::string(ids) + "</ID></" + std::string(vendor) + ">\n";
}

TEST(CheckLVD, CardIdSystemMaskAndInstalledNvidiaVersion) {
    CheckFixture f;
    f.vt5.nOS = 2048;
    f.vt5.pVGA->nDeviceID = 0xE9D;
    f.fake.registry.SetHklm(u"SOFTWARE\\NVIDIA Corporation\\Installer", u"version", u"190.38");
    f.AddCatalogue(u"VDList.xml", VgaDriver("NVIDIA", "191.07", "XP32 W732", "0x0E9F 0x0E9D") +
                                      VgaDriver("NVIDIA", "190.38", "W732", "0x0E9D") +
                                      VgaDriver("NVIDIA", "191.50", "XP64 W764", "0x0E9D") +
                                      VgaDriver("NVIDIA", "191.60", "W732", "0x0e9d") +
                                      VgaDriver("ATI", "9.12", "W732", "0x0E9D"));
    fakes::ScopedDebugCapture log;
    f.Open(2);
    Check_LVD(f.context);
    const auto records = f.Records();
    EXPECT_THAT(Offers(records), ElementsAre(Offer{"VGA Driver", "NVIDIA", "190.38", "191.07", "version : 191.07"},
                                             Offer{"VGA Driver", "ATI", "Unknown", "9.12", "version : 9.12"}));
    EXPECT_EQ(log.Lines()[1], u"0001 :  VGA Card ID = 0x0E9D");
}

TEST(CheckLVB, ModelMatchesAndOfferedVersionMustBeGreater) {
    CheckFixture f;
    f.vt5.pVGA->sBIOSText = u"QB-7600";
    f.vt5.pVGA->sBIOSVersion = u"2.10";
    auto entry = [](std::string_view model, std::string_view version) {
        return "<" + std::string(model) + "><Vendor>n</Vendor><Version>x</Version><NORVAVer>" + std::string(version) +
               "</NORVAVer><WebPath>/vb/" + std::string(version) + "</WebPath><Size>1</Size><MarkName>m</MarkName>\n";
    };
    f.AddCatalogue(u"VBList.xml", entry("QB-7600", "2.11") + entry("QB-7600", "2.10") + entry("QB-7600", "2.09") +
                                      entry("QB-7700", "3.0") + entry("qb-7600", "9.0") + entry("QB-7600 ", "9.1"));
    f.Open(3);
    Check_LVB(f.context);
    EXPECT_THAT(OnlineVersions(f.Records()), ElementsAre("2.11"));
    EXPECT_EQ(f.Records()[0].description, "Unknown");
    // A card without a readable video BIOS version is offered every entry of its model.
    f.vt5.pVGA->sBIOSVersion.clear();
    f.Open(3);
    Check_LVB(f.context);
    EXPECT_THAT(OnlineVersions(f.Records()), ElementsAre("2.11", "2.10", "2.09"));
}

std::string Utility(std::string_view item, std::string_view version, std::string_view systems, std::string_view board,
                    std::string_view devices) {
    return "<UTL><Item>" + std::string(item) + "</Item><Version>" + std::string(version) + "</Version><OS>" +
           std::string(systems) + "</OS><WebPath>/u/x</WebPath><SIZE>3 MB</SIZE><MBID>" + std::string(board) +
           "</MBID><VIDDID>" + std::string(devices) + "</VIDDID><Description>about " + std::string(item) +
           "</Description></UTL>\n";
}

TEST(CheckLMU, SystemBoardDevicesAndInstalledVersion) {
    CheckFixture f;
    f.vt5.saPciIds = {u"VEN_1E7B&DEV_5A68"};
    f.fake.registry.SetHklm(u"SOFTWARE\\Norva\\Fan Tuner", u"AppVersion", u"2.0");
    f.fake.registry.SetHklm(u"SOFTWARE\\Norva\\Drivers\\Norva Fan Tuner", u"Version", u"0.1");
    f.fake.registry.SetHklm(u"SOFTWARE\\Norva\\Drivers\\Tool B", u"Version", u"1.0");
    f.AddCatalogue(u"VT5_LMU.xml", Utility("Norva Fan Tuner", "2.1", "ALL", "ALL", "") +
                                       Utility("Tool B", "1.0", "W764", "7100", "") +
                                       Utility("Tool C", "1.0", "XP32", "ALL", "") +
                                       Utility("Tool D", "1.0", "W764", "7200 7300", "") +
                                       Utility("Tool E", "1.0", "W764", "ALL", "VEN_1E7B$DEV_5A68") +
                                       Utility("Tool F", "1.0", "W764", "ALL", "VEN_1F3C$DEV_2A22"));
    f.Open(4);
    Check_LMU(f.context);
    const auto records = f.Records();
    // The table's place wins over the driver key.
    EXPECT_THAT(Offers(records),
                ElementsAre(Offer{"norva Utility", "Norva Fan Tuner", "2.0", "2.1", "about Norva Fan Tuner"},
                            Offer{"norva Utility", "Tool E", "Unknown", "1.0", "about Tool E"}));
}

TEST(CheckLOU, EveryItemForTheSystemIsListedWithWhatIsInstalled) {
    CheckFixture f;
    f.fake.registry.SetHklm(u"SOFTWARE\\Realtek\\Network", u"Version", u"7.1");
    f.AddCatalogue(u"VT5_LOU.xml", Utility("Realtek PCIE Network Drivers", "7.1", "W764", "9999", "VEN_0$DEV_0") +
                                       Utility("Viewer", "1.0", "XP32", "ALL", "") + Utility("Zip", "4", "ALL", "", ""));
    f.Open(5);
    Check_LOU(f.context);
    const auto records = f.Records();
    EXPECT_THAT(Offers(records),
                ElementsAre(Offer{"Other Utility", "Realtek PCIE Network Drivers", "7.1", "7.1",
                                  "about Realtek PCIE Network Drivers"},
                            Offer{"Other Utility", "Zip", "Unknown", "4", "about Zip"}));
}

TEST(CatalogueFiles, IndexesOutsideTheSixCataloguesOpenNothing) {
    CheckFixture f;
    fakes::ScopedDebugCapture log;
    for (int index : {-1, 6}) EXPECT_EQ(OpenCatalogueFile(f.fake.fileSystem, kWork, f.dbf, index), 5) << index;
    EXPECT_TRUE(log.Lines().empty());
}

TEST(InstalledVersions, TableRowsThenTheDriversKeyAndA128ByteBuffer) {
    fakes::FakeRegistry registry;
    Windows1252CodePage codePage;
    RegistryInstalledVersions installed(registry, codePage);
    registry.SetHklm(u"SOFTWARE\\Norva\\Drivers\\Odd Tool", u"Version", u"3.3");
    registry.SetHklm(u"SOFTWARE\\Norva\\Drivers\\Long", u"Version", std::u16string(64, u'9'));
    registry.SetHklm(u"SOFTWARE\\Norva\\Drivers\\Norva Eco Tuner", u"Version", u"1.0");
    EXPECT_EQ(installed.GetInstalledVersion("Odd Tool"), u"3.3");
    EXPECT_EQ(installed.GetInstalledVersion("Long"), u"");  // 65 units do not fit in 128 bytes
    EXPECT_EQ(installed.GetInstalledVersion("Norva Eco Tuner"), u"1.0");
    registry.SetHklm(u"SOFTWARE\\Norva\\Eco Tuner", u"AppVersion", u"1.2");
    EXPECT_EQ(installed.GetInstalledVersion("Norva Eco Tuner"), u"1.2");
    // Table names are case-sensitive, so this name goes to the driver key, which the registry finds in any case.
    EXPECT_EQ(installed.GetInstalledVersion("norva eco tuner"), u"1.0");
    const auto all = installed.AllInstalled();
    EXPECT_EQ(all, (std::map<std::u16string, std::u16string>{
                       {u"Norva Eco Tuner", u"1.2"}, {u"Odd Tool", u"3.3"}}));
    RecordedInstalledVersions recorded(all, u"", codePage);
    EXPECT_EQ(recorded.GetInstalledVersion("Odd Tool"), u"3.3");
    EXPECT_EQ(recorded.GetInstalledVersion("ODD TOOL"), u"3.3");
    EXPECT_EQ(recorded.GetInstalledVersion("Other"), u"");
}

}  // namespace
}  // namespace veltra::testing
