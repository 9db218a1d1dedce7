#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "catalogue/result_list.h"
#include "catalogue_fixture.h"

namespace veltra::testing {
namespace {

CheckRecord Sample(int index, std::string item, std::string state = "") {
    CheckRecord record;
    record.index = index;
    record.flag = "N";
    record.type = "MB BIOS";
    record.item = std::move(item);
    record.currentVersion = "1.1";
    record.onlineVersion = "1.5";
    record.size = "2 MB";
    record.webPath = "/b/x.zip";
    record.description = "one[br]two[BR]three[Br]";
    record.state = std::move(state);
    return record;
}

TEST(CheckRecordLayout, FieldsSitAtTheirOffsetsZeroPaddedAndCut) {
    CheckRecord record = Sample(0x01020304, std::string(60, 'I'));
    record.state = "DDDD";
    const auto bytes = SerializeCheckRecord(record);
    ASSERT_EQ(bytes.size(), 988u);
    // Hand-checked: offset, then the bytes that must be there; every other byte is zero.
    const std::vector<std::pair<std::size_t, std::string>> expected = {
        {0, std::string("\x04\x03\x02\x01", 4)},
        {4, "N"},
        {7, "MB BIOS"},
        {37, std::string(49, 'I')},  // 50-byte field: 49 bytes and the terminator
        {87, "1.1"},
        {117, "1.5"},
        {147, "2 MB"},
        {217, "/b/x.zip"},
        {473, "one[br]two[BR]three[Br]"},
        {985, "DD"},  // 3-byte field
    };
    std::array<unsigned char, 988> fixture{};
    for (const auto& [offset, text] : expected) std::memcpy(fixture.data() + offset, text.data(), text.size());
    EXPECT_EQ(bytes, fixture);
    const CheckRecord back = ParseCheckRecord(bytes);
    EXPECT_EQ(back.index, 0x01020304);
    EXPECT_EQ(back.item, std::string(49, 'I'));
    EXPECT_EQ(back.state, "DD");
}

TEST(CheckRecordLayout, ReadingStopsAtTheFieldEndWithoutATerminator) {
    std::array<unsigned char, 988> bytes{};
    std::memset(bytes.data(), 'x', bytes.size());
    const CheckRecord record = ParseCheckRecord(bytes);
    EXPECT_EQ(record.flag, "xxx");
    EXPECT_EQ(record.type.size(), 30u);
    EXPECT_EQ(record.description.size(), 512u);
    EXPECT_EQ(record.state, "xxx");
}

struct ListFixture : CheckFixture {
    void WriteFile(const std::vector<CheckRecord>& records, std::size_t extraBytes = 0) {
        std::vector<unsigned char> bytes;
        for (const CheckRecord& record : records) {
            const auto one = SerializeCheckRecord(record);
            bytes.insert(bytes.end(), one.begin(), one.end());
        }
        bytes.insert(bytes.end(), extraBytes, 'z');
        fake.fileSystem.AddFile(CheckListPath(kWork), bytes);
    }
};

TEST(ResultList, RowsSkipDownloadedEntriesAndKeepTheirIndexes) {
    ListFixture f;
    f.WriteFile({Sample(1, "a"), Sample(2, "b", "d"), Sample(3, "c")}, 987);  // and a partial last record
    ReloadCheckList(f.fake.fileSystem, f.checkList, f.fake.codePage, f.vt5);
    ASSERT_EQ(f.checkList.list.count, 2);
    EXPECT_EQ(f.vt5.sUpdateCount, u"2");
    const ResultRow& second = f.checkList.list.rows[1];
    EXPECT_EQ(second, (ResultRow{u"N", u"MB BIOS", u"c", u"1.1", u"1.5", u"/b/x.zip",
                                 u"one\r\ntwo\r\nthree[Br]", u"3"}));
    EXPECT_EQ(f.checkList.list.rows[2], ResultRow{});
}

TEST(ResultList, HoldsAtMost49RowsAndAMissingFileIsCreatedEmpty) {
    ListFixture f;
    ReloadCheckList(f.fake.fileSystem, f.checkList, f.fake.codePage, f.vt5);
    EXPECT_TRUE(f.fake.fileSystem.HasFile(CheckListPath(kWork)));
    EXPECT_EQ(f.checkList.list.count, 0);
    std::vector<CheckRecord> many;
    for (int i = 1; i <= 60; ++i) many.push_back(Sample(i, "x"));
    f.WriteFile(many);
    ReloadCheckList(f.fake.fileSystem, f.checkList, f.fake.codePage, f.vt5);
    EXPECT_EQ(f.checkList.list.count, 49);
    EXPECT_EQ(f.vt5.sUpdateCount, u"49");
    EXPECT_EQ(f.checkList.list.rows[48][7], u"49");
}

}  // namespace
}  // namespace veltra::testing
