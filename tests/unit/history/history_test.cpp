#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text.h"
#include "core/vt5_record.h"
#include "fakes/fake_platform.h"
#include "fakes/recording_debug_sink.h"
#include "history/history.h"

namespace veltra::testing {
namespace {

using L = HistoryLayout;

constexpr char16_t kPath[] = u"C:\\Veltra\\VT5\\LOG\\History.rec";

std::string Field(const std::vector<unsigned char>& file, std::size_t offset, std::size_t size) {
    return std::string(file.begin() + static_cast<std::ptrdiff_t>(offset), file.begin() + static_cast<std::ptrdiff_t>(offset + size));
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
    int appended = 0;
};

TEST_F(HistoryTest, AnAppendWritesOne712ByteRecordFieldByField) {
    EXPECT_EQ(HistoryPath(u"C:\\Veltra\\"), kPath);
    fake.clock.now = DateTime{2010, 5, 5, 7, 14, 3, 9, 0};
    fakes::ScopedDebugCapture capture;
    staging.SetItem(fake.codePage, std::u16string(40, u'X'), u"i", u"v", std::u16string(600, u'D'));  // cut to fit
    staging.SetItem(fake.codePage, u"VGA BIOS", u"Caf\u00e9 tool", u"1.0.2", u"line one\nline two");
    EXPECT_EQ(history.AppendHistory(staging, fake.clock), u"");
    const std::vector<unsigned char> file = fake.fileSystem.Contents(kPath);
    ASSERT_EQ(file.size(), 712u);
    EXPECT_EQ(Field(file, 0, 4), std::string(4, '\0'));
    EXPECT_EQ(Field(file, 4, 9), std::string("2010/5/7\0", 9));
    // A shorter text leaves the tail of the one before it.
    EXPECT_EQ(Field(file, L::kTypeOffset, 30), "VGA BIOS" + std::string(1, '\0') + std::string(20, 'X') + std::string(1, '\0'));
    EXPECT_EQ(Field(file, L::kItemOffset, 10), std::string("Caf\xE9 tool\0", 10));
    EXPECT_EQ(Field(file, 96, 6), std::string("1.0.2\0", 6));
    EXPECT_EQ(Field(file, L::kDescriptionOffset, 18), std::string("line one\nline two\0", 18));
    EXPECT_EQ(Field(file, L::kDescriptionOffset + 514, 2), std::string("D\0", 2));
    EXPECT_EQ(capture.Lines().front(), u"0000 :  Time = [2010-5-7].[14:3:9]");  // then the record file's own lines
}

TEST_F(HistoryTest, TheListShowsWholeRecordsAndATornTailIsOverwrittenByTheNextAppend) {
    EXPECT_EQ(history.ReadHistoryList().count, 0);  // no file yet
    EXPECT_FALSE(fake.fileSystem.HasFile(kPath));
    Append(2);
    std::vector<unsigned char> torn = fake.fileSystem.Contents(kPath);
    torn.resize(torn.size() + 300, 0xAB);  // a write that stopped part-way
    fake.fileSystem.AddFile(kPath, torn);
    HistoryList list = history.ReadHistoryList();
    ASSERT_EQ(list.count, 2);
    EXPECT_EQ(list.entries[0], (HistoryRow{u"", u"Type", u"Item", u"Curr ver.", u"Online ver.", u"", u"", u""}));
    EXPECT_EQ(list.entries[2], (HistoryRow{u"2", u"2026/12/7", u"MB Driver", u"Item 2", u"R2.46", u"", u"About\r\n2", u""}));
    Append(1);
    EXPECT_EQ(fake.fileSystem.Contents(kPath).size(), 3 * L::kRecordBytes);
    EXPECT_EQ(history.ReadHistoryList().count, 3);
    Append(49);
    list = history.ReadHistoryList();
    ASSERT_EQ(list.count, 49);  // the newest 49 with their numbers in the file
    EXPECT_EQ(list.entries[1][0] + list.entries[1][3], u"4Item 4");
    EXPECT_EQ(list.entries[49][0] + list.entries[49][3], u"52Item 52");
}

// The page shows six rows: the bar, from the top, scrolls over the rest, and shows only
// when there is more than a page.
TEST(HistoryScroll, SixRowsAPageFromTheTop) {
    const struct {
        int count, max;
        bool bar;
    } rows[] = {{0, 0, false}, {6, 0, false}, {7, 1, true}, {50, 44, true}};
    for (const auto& row : rows) {
        ScrollState scroll{3, 0, 0, 0};
        EXPECT_EQ(ResetHistoryScroll(scroll, row.count), row.bar) << row.count;
        EXPECT_EQ((std::vector<int>{scroll.nCurr, scroll.nPage, scroll.nMax}), (std::vector<int>{0, 6, row.max})) << row.count;
    }
}

}  // namespace
}  // namespace veltra::testing
