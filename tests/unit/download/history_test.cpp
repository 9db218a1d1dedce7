#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "core/vt5_record.h"
#include "download/history.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_platform.h"
#include "fakes/recording_debug_sink.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;
using L = HistoryLayout;

constexpr char16_t kPath[] = u"C:\\Veltra\\VT5\\LOG\\History.rec";

std::string Field(const std::vector<unsigned char>& file, std::size_t record, std::size_t offset, std::size_t size) {
    const auto begin = file.begin() + static_cast<std::ptrdiff_t>(record * L::kRecordBytes + offset);
    return std::string(begin, begin + static_cast<std::ptrdiff_t>(size));
}

class HistoryTest : public ::testing::Test {
protected:
    HistoryTest() { files.AddFolder(u"C:\\Veltra\\VT5\\LOG"); }
    void Append(const std::u16string& item) {
        staging.SetItem(codePage, u"MB Driver", item, u"R2.46", u"Audio\r\ndriver");
        history.AppendHistory(staging, clock);
    }
    fakes::FakeFileSystem files;
    fakes::FakeClock clock;
    Windows1252CodePage codePage;
    HistoryRecord staging;
    HistoryFile history{files, codePage, kPath};
};

TEST_F(HistoryTest, AnAppendWritesOne712ByteRecordFieldByField) {
    EXPECT_EQ(HistoryPath(u"C:\\Veltra\\"), kPath);
    clock.now = DateTime{2010, 5, 5, 7, 14, 3, 9, 0};
    fakes::ScopedDebugCapture capture;
    staging.SetItem(codePage, u"VGA BIOS", u"Caf\u00e9 tool", u"1.0.2", u"line one\nline two");
    EXPECT_TRUE(history.AppendHistory(staging, clock));

    const std::vector<unsigned char> file = files.Contents(kPath);
    ASSERT_EQ(file.size(), 712u);
    EXPECT_EQ(Field(file, 0, 0, 4), std::string(4, '\0'));
    EXPECT_EQ(Field(file, 0, 4, 9), std::string("2010/5/7\0", 9));
    EXPECT_EQ(Field(file, 0, 16, 9), std::string("VGA BIOS\0", 9));
    EXPECT_EQ(Field(file, 0, 46, 10), std::string("Caf\xE9 tool\0", 10));
    EXPECT_EQ(Field(file, 0, 96, 6), std::string("1.0.2\0", 6));
    EXPECT_EQ(Field(file, 0, 196, 18), std::string("line one\nline two\0", 18));
    EXPECT_EQ(file[711], 0);
    EXPECT_THAT(capture.Lines(), ElementsAre(u"0000 :  Time = [2010-5-7].[14:3:9]",
                                             u"0001 :  Create : C:\\Veltra\\VT5\\LOG\\History.rec",
                                             u"0002 :  Create successfully !! C:\\Veltra\\VT5\\LOG\\History.rec"));
}

TEST_F(HistoryTest, TextsFillTheirFieldsAndAShorterTextLeavesTheOldTail) {
    const std::u16string type29(29, u'T');
    staging.SetItem(codePage, type29, u"A long item name", u"9.99", u"d");
    staging.SetItem(codePage, u"Short", u"Item", u"1", u"d");
    const HistoryRecordBytes& bytes = staging.Bytes();
    EXPECT_EQ(Field({bytes.begin(), bytes.end()}, 0, L::kTypeOffset, 30), "Short" + std::string(1, '\0') +
                                                                             std::string(23, 'T') + std::string(1, '\0'));
    EXPECT_EQ(Field({bytes.begin(), bytes.end()}, 0, L::kItemOffset, 17), std::string("Item\0g item name\0", 17));

    staging.SetItem(codePage, std::u16string(40, u'X'), u"i", u"v", std::u16string(600, u'D'));  // cut to fit
    EXPECT_EQ(bytes[L::kTypeOffset + 29], 0);
    EXPECT_EQ(bytes[L::kDescriptionOffset + 515], 0);
    EXPECT_EQ(bytes[L::kDescriptionOffset + 514], 'D');
}

TEST_F(HistoryTest, TheListShowsWholeRecordsAndATornTailIsOverwrittenByTheNextAppend) {
    HistoryList list = history.ReadHistoryList();
    EXPECT_EQ(list.count, 0);  // no file yet
    EXPECT_EQ(list.entries[0], (HistoryRow{u"", u"Type", u"Item", u"Curr ver.", u"Online ver.", u"", u"", u""}));
    EXPECT_FALSE(files.HasFile(kPath));

    Append(u"First");
    Append(u"Second");
    std::vector<unsigned char> torn = files.Contents(kPath);
    torn.resize(torn.size() + 300, 0xAB);  // a write that stopped part-way
    files.AddFile(kPath, torn);
    list = history.ReadHistoryList();
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list.entries[2], (HistoryRow{u"2", u"2026/12/7", u"MB Driver", u"Second", u"R2.46", u"",
                                           u"Audio\r\ndriver", u""}));

    Append(u"Third");
    EXPECT_EQ(files.Contents(kPath).size(), 3 * L::kRecordBytes);
    list = history.ReadHistoryList();
    ASSERT_EQ(list.count, 3);
    EXPECT_EQ(list.entries[3][3], u"Third");
    EXPECT_EQ(list.entries[3][0], u"3");
}

TEST_F(HistoryTest, MoreThan49RecordsListTheNewest49WithTheirFileNumbers) {
    for (int i = 1; i <= 52; ++i) Append(u"Item " + std::u16string(1, static_cast<char16_t>(u'0' + i % 10)));
    const HistoryList list = history.ReadHistoryList();
    ASSERT_EQ(list.count, 49);
    EXPECT_EQ(list.entries[1][0], u"4");
    EXPECT_EQ(list.entries[1][3], u"Item 4");
    EXPECT_EQ(list.entries[49][0], u"52");
    EXPECT_EQ(list.entries[49][3], u"Item 2");
}

TEST_F(HistoryTest, GarbageRecordsGiveBoundedTexts) {
    files.AddFile(kPath, std::vector<unsigned char>(L::kRecordBytes, 'Z'));  // no zero anywhere
    const HistoryList list = history.ReadHistoryList();
    ASSERT_EQ(list.count, 1);
    EXPECT_EQ(list.entries[1][1], std::u16string(12, u'Z'));
    EXPECT_EQ(list.entries[1][2], std::u16string(30, u'Z'));
    EXPECT_EQ(list.entries[1][6], std::u16string(516, u'Z'));
}

TEST_F(HistoryTest, AnUnopenableFileAppendsAndListsNothing) {
    files.MakeReadOnlyFolder(u"C:\\RO");
    HistoryFile readOnly(files, codePage, u"C:\\RO\\History.rec");
    EXPECT_FALSE(readOnly.AppendHistory(staging, clock));
    EXPECT_FALSE(files.HasFile(u"C:\\RO\\History.rec"));
    EXPECT_EQ(readOnly.ReadHistoryList().count, 0);
}

TEST(HistoryScroll, SixRowsAPageAndTheBarOnlyForMore) {
    ScrollState scl2{3, 0, 17, 0};
    EXPECT_TRUE(ResetHistoryScroll(scl2, 7));
    EXPECT_EQ(scl2.nCurr, 0);
    EXPECT_EQ(scl2.nPage, 6);
    EXPECT_EQ(scl2.nMax, 1);
    EXPECT_FALSE(ResetHistoryScroll(scl2, 6));
    EXPECT_EQ(scl2.nMax, 0);
    scl2.nMax = 9;
    EXPECT_FALSE(ResetHistoryScroll(scl2, 2));
    EXPECT_EQ(scl2.nMax, 9);  // unused below a page
}

}  // namespace
}  // namespace veltra
