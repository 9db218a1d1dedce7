#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "core/vt5_record.h"
#include "core/text.h"
#include "download/history_page.h"
#include "fakes/fake_platform.h"
#include "fakes/recording_debug_sink.h"
#include "fakes/recording_page_views.h"

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
    HistoryTest() { fake.fileSystem.AddFolder(u"C:\\Veltra\\VT5\\LOG"); }
    void Append(int count) {  // "Item n" described as "About n", numbered across calls
        for (int i = 0; i < count; ++i) {
            const std::u16string n = DecimalText(++appended);
            staging.SetItem(fake.codePage, u"MB Driver", u"Item " + n, u"R2.46", u"About\r\n" + n);
            history.AppendHistory(staging, fake.clock);
        }
    }
    fakes::FakePlatform fake;
    HistoryRecord staging;
    HistoryFile history{fake.fileSystem, fake.codePage, kPath};
    VT5Record vt5;
    fakes::RecordingListView view;
    HistoryPage page{history, vt5, view};
    int appended = 0;
};

TEST_F(HistoryTest, AnAppendWritesOne712ByteRecordFieldByField) {
    EXPECT_EQ(HistoryPath(u"C:\\Veltra\\"), kPath);
    fake.clock.now = DateTime{2010, 5, 5, 7, 14, 3, 9, 0};
    fakes::ScopedDebugCapture capture;
    staging.SetItem(fake.codePage, u"VGA BIOS", u"Caf\u00e9 tool", u"1.0.2", u"line one\nline two");
    EXPECT_TRUE(history.AppendHistory(staging, fake.clock));

    const std::vector<unsigned char> file = fake.fileSystem.Contents(kPath);
    ASSERT_EQ(file.size(), 712u);
    EXPECT_EQ(Field(file, 0, 0, 4), std::string(4, '\0'));
    EXPECT_EQ(Field(file, 0, 4, 9), std::string("2010/5/7\0", 9));
    EXPECT_EQ(Field(file, 0, 16, 9), std::string("VGA BIOS\0", 9));
    EXPECT_EQ(Field(file, 0, 46, 10), std::string("Caf\xE9 tool\0", 10));
    EXPECT_EQ(Field(file, 0, 96, 6), std::string("1.0.2\0", 6));
    EXPECT_EQ(Field(file, 0, 196, 18), std::string("line one\nline two\0", 18));
    EXPECT_EQ(file[711], 0);
    EXPECT_EQ(capture.Lines().front(), u"0000 :  Time = [2010-5-7].[14:3:9]");  // then the record file's own lines
}

TEST_F(HistoryTest, TextsFillTheirFieldsAndAShorterTextLeavesTheOldTail) {
    const std::u16string type29(29, u'T');
    staging.SetItem(fake.codePage, type29, u"A long item name", u"9.99", u"d");
    staging.SetItem(fake.codePage, u"Short", u"Item", u"1", u"d");
    const HistoryRecordBytes& bytes = staging.Bytes();
    EXPECT_EQ(Field({bytes.begin(), bytes.end()}, 0, L::kTypeOffset, 30), "Short" + std::string(1, '\0') +
                                                                             std::string(23, 'T') + std::string(1, '\0'));
    EXPECT_EQ(Field({bytes.begin(), bytes.end()}, 0, L::kItemOffset, 17), std::string("Item\0g item name\0", 17));

    staging.SetItem(fake.codePage, std::u16string(40, u'X'), u"i", u"v", std::u16string(600, u'D'));  // cut to fit
    EXPECT_EQ(bytes[L::kTypeOffset + 29], 0);
    EXPECT_EQ(bytes[L::kDescriptionOffset + 515], 0);
    EXPECT_EQ(bytes[L::kDescriptionOffset + 514], 'D');
}

TEST_F(HistoryTest, TheListShowsWholeRecordsAndATornTailIsOverwrittenByTheNextAppend) {
    HistoryList list = history.ReadHistoryList();
    EXPECT_EQ(list.count, 0);  // no file yet
    EXPECT_EQ(list.entries[0], (HistoryRow{u"", u"Type", u"Item", u"Curr ver.", u"Online ver.", u"", u"", u""}));
    EXPECT_FALSE(fake.fileSystem.HasFile(kPath));

    Append(2);
    std::vector<unsigned char> torn = fake.fileSystem.Contents(kPath);
    torn.resize(torn.size() + 300, 0xAB);  // a write that stopped part-way
    fake.fileSystem.AddFile(kPath, torn);
    list = history.ReadHistoryList();
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list.entries[2], (HistoryRow{u"2", u"2026/12/7", u"MB Driver", u"Item 2", u"R2.46", u"", u"About\r\n2", u""}));
    Append(1);
    EXPECT_EQ(fake.fileSystem.Contents(kPath).size(), 3 * L::kRecordBytes);
    list = history.ReadHistoryList();
    ASSERT_EQ(list.count, 3);
    EXPECT_EQ(list.entries[3][0] + list.entries[3][3], u"3Item 3");
}

TEST_F(HistoryTest, MoreThan49RecordsListTheNewest49WithTheirFileNumbers) {
    Append(52);
    const HistoryList list = history.ReadHistoryList();
    ASSERT_EQ(list.count, 49);
    EXPECT_EQ(list.entries[1][0] + list.entries[1][3], u"4Item 4");
    EXPECT_EQ(list.entries[49][0] + list.entries[49][3], u"52Item 52");
}

TEST_F(HistoryTest, GarbageRecordsGiveBoundedTexts) {
    fake.fileSystem.AddFile(kPath, std::vector<unsigned char>(L::kRecordBytes, 'Z'));  // no zero anywhere
    const HistoryList list = history.ReadHistoryList();
    ASSERT_EQ(list.count, 1);
    EXPECT_EQ(list.entries[1][1], std::u16string(12, u'Z'));
    EXPECT_EQ(list.entries[1][2], std::u16string(30, u'Z'));
    EXPECT_EQ(list.entries[1][6], std::u16string(516, u'Z'));
}

TEST_F(HistoryTest, AnUnopenableFileAppendsAndListsNothing) {
    fake.fileSystem.MakeReadOnlyFolder(u"C:\\RO");
    HistoryFile readOnly(fake.fileSystem, fake.codePage, u"C:\\RO\\History.rec");
    EXPECT_FALSE(readOnly.AppendHistory(staging, fake.clock));
    EXPECT_FALSE(fake.fileSystem.HasFile(u"C:\\RO\\History.rec"));
    EXPECT_EQ(readOnly.ReadHistoryList().count, 0);
}

TEST(HistoryScroll, SixRowsAPageAndTheBarOnlyForMore) {
    for (const auto& [count, bar, max] : {std::tuple{7, true, 1}, {6, false, 0}, {2, false, 9}}) {
        ScrollState scl2{3, 0, 9, 0};
        EXPECT_EQ(ResetHistoryScroll(scl2, count), bar) << count;
        EXPECT_EQ(std::pair(scl2.nCurr, scl2.nPage), std::pair(0, 6));
        EXPECT_EQ(scl2.nMax, max) << count;  // unused below a page
    }
}

TEST_F(HistoryTest, ThePageShowsSixRecordsAtATimeAndARefreshReturnsToTheTop) {
    EXPECT_EQ(page.RefreshHistory(), 0);  // no file: an empty list
    EXPECT_FALSE(view.scrollVisible);
    EXPECT_FALSE(view.rows[1].enabled);
    EXPECT_THAT(view.Column(2), ElementsAre(u"", u"", u"", u"", u"", u""));
    Append(3);
    page.RefreshHistory();
    EXPECT_TRUE(view.rows[3].enabled);
    EXPECT_FALSE(view.rows[4].enabled);
    EXPECT_FALSE(view.scrollVisible);
    Append(4);
    page.RefreshHistory();
    EXPECT_TRUE(view.scrollVisible);
    EXPECT_EQ(view.scrollMax, 1);
    EXPECT_THAT(view.rows[1].texts, ElementsAre(u"1", u"2026/12/7", u"MB Driver", u"Item 1", u"R2.46"));
    page.OnVScroll(1, 0);
    EXPECT_THAT(view.Column(0), ElementsAre(u"2", u"3", u"4", u"5", u"6", u"7"));
    page.OnDescription(6);
    EXPECT_THAT(view.information, ElementsAre(u"About\r\n7"));
    Append(1);
    page.RefreshHistory();
    EXPECT_EQ(vt5.scl2.nCurr, 0);
    EXPECT_EQ(view.scrollMax, 2);
    EXPECT_THAT(view.Column(3), ElementsAre(u"Item 1", u"Item 2", u"Item 3", u"Item 4", u"Item 5", u"Item 6"));
}

}  // namespace
}  // namespace veltra
