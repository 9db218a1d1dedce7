#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "core/text.h"
#include "catalogue/check_driver.h"
#include "catalogue_fixture.h"
#include "catalogue/device_tables.h"

namespace veltra::testing {
namespace {

using Row = std::vector<std::string>;  // type, item, current version, online version

struct DemoPc : CheckFixture {
    explicit DemoPc(const std::string& mode) {
        const SavedIdentity identity = DemoPcIdentity();
        ApplySavedIdentity(identity, vt5);
        recorded = std::make_unique<RecordedInstalledVersions>(identity.facts.installed, identity.facts.nvidiaDriverVersion,
                                                               fake.codePage);
        context.inputs = identity.facts.Inputs();
        context.inputs.dqaTest = mode == "DQATest";
        CopyBundledCatalogues(fake.fileSystem, kWork, mode);
    }
    std::vector<Row> Run() {
        CheckContext withRecorded{vt5, context.inputs, *recorded, fake.fileSystem, fake.codePage, dbf, writer};
        Check_Download_Information(withRecorded, checkList, 127);
        std::vector<Row> rows;
        for (int i = 0; i < checkList.list.count; ++i) {
            const ResultRow& row = checkList.list.rows[static_cast<std::size_t>(i)];
            rows.push_back({Utf16ToUtf8(row[1]), Utf16ToUtf8(row[2]), Utf16ToUtf8(row[3]), Utf16ToUtf8(row[4])});
        }
        return rows;
    }
    std::unique_ptr<RecordedInstalledVersions> recorded;
};

TEST(BundledServer, DemoPcFindsOneUpdateInEveryCategoryAndNothingThatMustNotMatch) {
    DemoPc pc("DataBase");
    // The records themselves are compared byte for byte below; the first shows a wrong scan at a glance.
    const std::vector<Row> rows = pc.Run();
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[0], (Row{"MB BIOS", "QB-7100", "1.20", "1.30"}));
    // Every card field of the saved identity reaches the record.
    const VGAInfo& card = *pc.vt5.pVGA;
    EXPECT_EQ((Row{Utf16ToUtf8(card.sVendor), Utf16ToUtf8(card.sBIOSVersion), Utf16ToUtf8(card.sBIOSText),
                   Utf16ToUtf8(card.sModelNo), Utf16ToUtf8(card.sDriverVersion), Utf16ToUtf8(card.sProcessor),
                   Utf16ToUtf8(card.sCardName), std::to_string(card.nDeviceID)}),
              (Row{"NVIDIA", "62.94.1A.00.07", "QB-7600", "7600-512", "8.17.11.9038", "Norva GPU 7600", "QB-7600 512MB", "3741"}));
    // The same bytes are expected of the Windows program under Wine; a copy in the build tree shows a difference.
    const auto written = pc.fake.fileSystem.Contents(CheckListPath(kWork));
    std::ofstream(std::string(VELTRA_BINARY_DIR) + "/demo-pc-CheckList.rec", std::ios::binary)
        .write(reinterpret_cast<const char*>(written.data()), static_cast<std::streamsize>(written.size()));
    EXPECT_EQ(written, SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec"));
}

TEST(BundledServer, DemoPcInTestModeSeesTheTestFolder) {
    DemoPc pc("DQATest");
    const auto rows = pc.Run();
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[0], (Row{"MB BIOS", "QB-7100", "1.20", "1.31T"}));
    EXPECT_EQ(rows[1], (Row{"MB BIOS", "QB-7100", "1.20", "1.10"}));  // older, offered in test mode only
    EXPECT_EQ(rows[3], (Row{"MB Driver", "Norva Chipset Driver", "9.1.0.1010", "9.3.0.1100"}));
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
