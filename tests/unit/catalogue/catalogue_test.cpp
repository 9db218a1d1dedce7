#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <span>

#include "catalogue/catalogue_kinds.h"
#include "catalogue/check_record.h"
#include "catalogue/checks.h"
#include "catalogue/device_tables.h"
#include "catalogue/version_rules.h"
#include "catalogue_fixture.h"
#include "core/text.h"
#include "fakes/recording_debug_sink.h"

namespace veltra::testing {
namespace {

using ::testing::ElementsAre;

std::vector<CatalogueItem> Scan(const CatalogueKind& kind, std::string_view text) {
    fakes::FakeFileSystem files;
    files.AddFile(u"C:\\c.xml", Bytes(text));
    auto file = files.Open(u"C:\\c.xml", FileOpenMode::ReadOnly);
    Windows1252CodePage codePage;
    std::vector<CatalogueItem> items;
    ScanCatalogueFile(file.get(), kind, codePage, [&](const CatalogueItem& item) { items.push_back(item); });
    return items;
}

TEST(CatalogueScanner, EndsOfFileDropTheUnfinishedItem) {
    // The file ends inside the last value: the value was never closed, so nothing comes out.
    EXPECT_TRUE(Scan(BiosListKind(), "<QB-1><Version>1</Version><MarkName>abc").empty());
    // 0xFF inside a description ends the whole file there.
    EXPECT_TRUE(Scan(BiosListKind(), "<QB-1><Description>a\xFF</Description><MarkName>m</MarkName>").empty());
    // 0x1A ends the file as text mode does; the item before it is kept.
    auto items = Scan(BiosListKind(), "<QB-1><MarkName>m</MarkName>\x1A<QB-2><MarkName>n</MarkName>");
    ASSERT_EQ(items.size(), 1u);
    // A lone CR stays; only CR LF pairs become LF.
    items = Scan(BiosListKind(), "<QB-1><MarkName>a\rb\r\r\nc</MarkName>");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].fields[kBiosMarkName], u"a\rb\r\nc");
}

TEST(CatalogueScanner, LongValuesAndTagsAreCutAtTheirFieldsAndTheBuffer) {
    const std::string longText(5000, 'v');
    auto items = Scan(BiosListKind(), "<QB-" + std::string(300, '9') + "><Version>" + longText +
                                          "</Version><Description>" + longText + "</Description><MarkName>" +
                                          longText + "</MarkName>");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].section.size(), 49u);
    EXPECT_EQ(items[0].fields[kBiosVersion], std::u16string(29, u'v'));
    EXPECT_EQ(items[0].fields[kBiosDescription].size(), 511u);
    EXPECT_EQ(items[0].fields[kBiosMarkName].size(), 255u);
    // Texts without a width keep what the 1023-byte buffer holds.
    items = Scan(UtilityListKind(), "<UTL><Item>" + longText + "</Item><Description>" + longText + "</Description>");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].fields[kUtlItem], std::u16string(1023, u'v'));
    // An unterminated tag longer than the buffer matches nothing and does not run past it.
    items = Scan(UtilityListKind(), "<UTL><" + longText + "<Description>d</Description>");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].fields[kUtlDescription], u"d");
}

TEST(VersionRules, NormalizeVersionSpellsLettersAsBase36Numbers) {
    EXPECT_EQ(NormalizeVersion(u"1.2B"), u"1.211");
    EXPECT_EQ(NormalizeVersion(u"z9-a"), u"359-10");
    EXPECT_EQ(NormalizeVersion(u"Z@[`{"), u"35@[`{");  // the letters' ends and the bytes beside them
    EXPECT_EQ(NormalizeVersion(u"\u0141"), u"10");      // only the low byte of a unit counts: 'A'
}

// Min inclusive, max exclusive, "None" no bound; then the skip list "count,v1,v2,...".
TEST(VersionRules, RangeAndSkipList) {
    const struct {
        const char16_t *version, *min, *max, *skip;
        int in;
    } rows[] = {
        {u"1.1", u"1.0", u"1.1", u"None", 0},
        {u"1.0", u"1.0", u"1.1", u"None", 1},
        {u"0.9", u"1.0", u"1.1", u"None", 0},
        {u"5000", u"Unknown", u"None", u"Unknown", 1},
        {u"9999", u"None", u"None", u"None", 0},
        {u"", u"None", u"None", u"None", 0},
        {u"1.0", u"none", u"None", u"None", 0},  // not the word: it normalises to digits and bounds the range
        {u"1.2A", u"1.2", u"1.3", u"None", 1},   // 1.210
        {u"  1.5 beta", u"1.5", u"1.6", u"None", 1},
        {u"-", u"0", u"1", u"None", 1},  // no digits reads as 0
        {u"1.1", u"1.0", u"2.0", u"2,1.05,1.10", 0},  // 1.10 and 1.1 are the same number
        {u"1.05", u"1.0", u"2.0", u"2,1.05,1.10", 0},
        {u"1.2", u"1.0", u"2.0", u"2,1.05,1.10", 1},
        {u"1.1", u"1.0", u"2.0", u"1,1.05,1.1", 1},  // only the first N elements count
        {u"1.1", u"1.0", u"2.0", u"1,,,1.1", 0},  // empty elements do not count
        {u"-1", u"-5", u"2.0", u"9,1.0", 0},       // missing elements read as -1
        {u"1.5", u"1.0", u"2.0", u"99999999999,1.0", 1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(InVersionRange(row.version, row.min, row.max, row.skip), row.in) << Utf16ToUtf8(row.version) << " " << Utf16ToUtf8(row.skip);
}

TEST(VersionRules, NotOlderPrefixAndOrdinalComparison) {
    EXPECT_TRUE(IsNotOlderPrefix(u"1.5", u"1.5"));
    EXPECT_FALSE(IsNotOlderPrefix(u"1.4", u"1.5"));
    EXPECT_FALSE(IsNotOlderPrefix(u"1.5", u"1.5a"));  // lower-case a sorts above Z
    EXPECT_TRUE(IsNotOlderPrefix(u"1.51", u"1.5B"));
    EXPECT_TRUE(IsNotOlderPrefix(u"1", u"1"));          // "1Z" against "1"
    EXPECT_FALSE(IsNotOlderPrefix(u"1.5", u"1.5Z"));    // equal texts
    EXPECT_FALSE(IsNotOlderPrefix(u"1.5", u"1.5Z1"));   // the made-up text ends first
    EXPECT_TRUE(IsOrdinalLower(u"10.0", u"9.1"));
    EXPECT_FALSE(IsOrdinalLower(u"2.5", u"2.5"));
    EXPECT_TRUE(IsOrdinalLower(u"2.5", u"2.50"));
}

// Each record's type, item, current version, online version and description.
using Offer = std::vector<std::string>;
std::vector<Offer> Offers(const std::vector<unsigned char>& file) {
    std::vector<Offer> offers;
    for (std::size_t at = 0; at + CheckRecord::kSize <= file.size(); at += CheckRecord::kSize) {
        const CheckRecord r = ParseCheckRecord(std::span<const unsigned char, CheckRecord::kSize>(file.data() + at, CheckRecord::kSize));
        offers.push_back({r.type, r.item, r.currentVersion, r.onlineVersion, r.description});
    }
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
    f.fake.fileSystem.AddFile(CatalogueFolder(kWork) + u"VIDDID.rec", devices);
    f.fake.fileSystem.AddFile(CatalogueFolder(kWork) + u"DRVList.rec", CompileDriverTable("CHIP|ALL|9.1|Chipset|/drv/x.exe|1 MB\n"
                                                      "LAN|XP32 W764|2.5|Lan|/drv/x.exe|1 MB\n"
                                                      "chip2|W732|3.0|Chip XP|/drv/x.exe|1 MB\n"
                                                      "CHIP2|W764|3.1|Chip 7|/drv/x.exe|1 MB\n"
                                                      "AUDIO|ALL|1.0|Audio|/drv/x.exe|1 MB\n"
                                                      "LAN|ALL|2.6|Lan new|/drv/x.exe|1 MB\n").bytes);
    f.fake.registry.SetHklm(u"SOFTWARE\\Norva\\Drivers\\Chipset", u"Version", u"10.0");
    f.fake.registry.SetHklm(u"SOFTWARE\\Norva\\Drivers\\Lan", u"Version", u"2.5");
    f.fake.registry.SetHklm(u"SOFTWARE\\Norva\\Drivers\\Lan new", u"Version", u"2.5");
    fakes::ScopedDebugCapture log;
    OpenCatalogueFile(f.fake.fileSystem, kWork, f.dbf, 0);  // as the check driver does before a check
    f.checkList.file = f.fake.fileSystem.Open(CheckListPath(kWork), FileOpenMode::ReadWriteTruncate);
    f.writer.SetFile(f.checkList.file.get());
    EXPECT_EQ(Check_LD(f.context), 3);
    // Chipset: installed 10.0 sorts below 9.1. Lan 2.5 is current; audio's row is not an "R" row.
    EXPECT_THAT(Offers(f.fake.fileSystem.Contents(CheckListPath(kWork))), ElementsAre(Offer{"MB Driver", "Chipset", "10.0", "9.1", "Unknown"},
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
