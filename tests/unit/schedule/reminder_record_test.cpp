#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/fake_platform.h"
#include "schedule/reminder_record.h"

namespace veltra {
namespace {

constexpr char16_t kPath[] = u"C:\\V\\VT5\\LOG\\Reminder.rec";

std::vector<unsigned char> Bytes(const ReminderRecord& record) {
    const auto bytes = ReminderBytes(record);
    return {bytes.begin(), bytes.end()};
}

class ReminderRecordTest : public ::testing::Test {
protected:
    ReminderRecordTest() { files.AddFolder(u"C:\\V\\VT5\\LOG"); }
    fakes::FakeFileSystem files;
    fakes::FakeClock clock;
    const ReminderRecord defaults{kEveryMonth, 1, 1, clock.now};
};

TEST_F(ReminderRecordTest, TwentyEightLittleEndianBytes) {
    EXPECT_EQ(ReminderPath(u"C:\\V\\"), kPath);
    const ReminderRecord record{kEvery3Months, 6, 31, {2010, 11, 6, 20, 13, 5, 9, 700}};
    const std::vector<unsigned char> expected{2, 0, 0, 0, 6, 0, 0, 0, 31, 0, 0, 0, 0xDA, 0x07, 11, 0,
                                              6, 0, 20, 0, 13, 0, 5,  0, 9, 0, 0xBC, 0x02};
    EXPECT_EQ(Bytes(record), expected);
    files.AddFile(kPath, expected);
    EXPECT_EQ(LoadReminder(files, kPath, clock), record);
    EXPECT_EQ(files.Contents(kPath), expected);  // a sound record is not rewritten
}

TEST_F(ReminderRecordTest, MissingFileIsCreatedWithTheDefaultsAndNow) {
    EXPECT_EQ(LoadReminder(files, kPath, clock), defaults);
    EXPECT_EQ(files.Contents(kPath), Bytes(defaults));
}

TEST_F(ReminderRecordTest, SaveStampsTheLocalTime) {
    ReminderRecord record{kEveryWeek, 0, 9, {}};
    SaveReminder(files, kPath, record, clock);
    EXPECT_EQ(record.saved, clock.now);
    EXPECT_EQ(files.Contents(kPath), Bytes(record));
}

TEST_F(ReminderRecordTest, UnusableFilesGiveTheDefaultsAndAreRewritten) {
    const ReminderRecord sound{kEveryWeek, 3, 15, {2010, 5, 1, 3, 0, 0, 0, 0}};
    struct Case {
        const char* what;
        std::size_t offset;
        std::vector<unsigned char> patch;  // written over the sound record's bytes
        std::size_t size;
    };
    const Case cases[] = {
        {"empty", 0, {}, 0},
        {"short", 0, {}, 27},
        {"long", 0, {}, 29},
        {"frequency 4", 0, {4}, 28},
        {"frequency -1", 0, {0xFF, 0xFF, 0xFF, 0xFF}, 28},
        {"weekday 7", 4, {7}, 28},
        {"date 0", 8, {0}, 28},
        {"date 32", 8, {32}, 28},
        {"saved month 13", 14, {13}, 28},
        {"saved year 1899", 12, {0x6B, 0x07}, 28},
        {"saved 2010-02-30", 14, {2, 0, 0, 0, 30}, 28},
    };
    for (const Case& test : cases) {
        std::vector<unsigned char> bytes = Bytes(sound);
        bytes.resize(test.size, 0);
        std::copy(test.patch.begin(), test.patch.end(), bytes.begin() + static_cast<std::ptrdiff_t>(test.offset));
        files.AddFile(kPath, bytes);
        EXPECT_EQ(LoadReminder(files, kPath, clock), defaults) << test.what;
        EXPECT_EQ(files.Contents(kPath), Bytes(defaults)) << test.what;
    }
}

TEST(ReminderNames, AsTheSettingPageShowsThem) {
    EXPECT_EQ(FrequencyName(kEvery3Months), u"every 3 months");
    EXPECT_EQ(FrequencyName(4), u"");
    EXPECT_EQ(WeekdayName(0), u"Sunday");
    EXPECT_EQ(WeekdayName(3), u"Wednesday");
    EXPECT_EQ(WeekdayName(7), u"");
}

}  // namespace
}  // namespace veltra
