#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/calendar.h"
#include "fakes/fake_platform.h"
#include "schedule/alarm_clock.h"
#include "schedule/reminder_due.h"
#include "schedule/reminder_record.h"
#include "schedule/reminder_settings.h"
#include "schedule/reminder_slide.h"

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

TEST_F(ReminderRecordTest, UnusableFilesGiveTheDefaultsAndAreRewritten) {
    struct Case {
        const char* what;
        std::size_t size, offset;
        std::vector<unsigned char> patch;  // over a sound record's bytes
    };
    const Case cases[] = {
        {"empty", 0, 0, {}},           {"short", 27, 0, {}},       {"long", 29, 0, {}},
        {"frequency 4", 28, 0, {4}},   {"frequency -1", 28, 0, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"weekday 7", 28, 4, {7}},     {"date 0", 28, 8, {0}},     {"date 32", 28, 8, {32}},
        {"month 13", 28, 14, {13}},    {"year 1899", 28, 12, {0x6B, 0x07}},
        {"2010-02-30", 28, 14, {2, 0, 0, 0, 30}},
    };
    for (const Case& test : cases) {
        std::vector<unsigned char> bytes = Bytes({kEveryWeek, 3, 15, {2010, 5, 1, 3, 0, 0, 0, 0}});
        bytes.resize(test.size, 0);
        std::copy(test.patch.begin(), test.patch.end(), bytes.begin() + static_cast<std::ptrdiff_t>(test.offset));
        files.AddFile(kPath, bytes);
        EXPECT_EQ(LoadReminder(files, kPath, clock), defaults) << test.what;
        EXPECT_EQ(files.Contents(kPath), Bytes(defaults)) << test.what;
    }
}

// "frequency|weekday|date" as the buttons show them, "+" for an enabled weekday or date
// button, then the stored frequency, weekday and date.
std::string Shown(const ReminderSettings& page) {
    std::u16string text;
    for (Chooser chooser : {Chooser::Frequency, Chooser::Weekday, Chooser::Date}) {
        const ChooserLook& look = page.Look(chooser);
        text += look.text + (look.enabled && chooser != Chooser::Frequency ? u"+|" : u"|");
    }
    const ReminderRecord& r = page.Record();
    return std::string(text.begin(), text.end()) + std::to_string(r.frequency) + std::to_string(r.weekday) + "," + std::to_string(r.date);
}

TEST(ReminderSettings, ChoosersShowAndStoreWhatIsChosen) {
    ReminderSettings page;
    EXPECT_EQ(Shown(page), "every month|Monday|01+|11,1") << "the defaults show the stored weekday";
    EXPECT_EQ(page.Summary(), u"Reminder set: every month, day 1");
    page.Select(Chooser::Frequency, 0);
    page.Select(Chooser::Weekday, 3);
    EXPECT_EQ(Shown(page), "every week|Wendnesday+|01|03,1") << "the list's own text";
    page.Select(Chooser::Frequency, 2);
    page.Select(Chooser::Date, 30);
    page.Select(Chooser::Date, 31);  // not in the list: nothing changes
    EXPECT_EQ(Shown(page), "every 3 months|Wendnesday|31+|23,31");
    EXPECT_EQ(page.Summary(), u"Reminder set: every 3 months, day 31");
    page.Show({kEveryWeek, 3, 7, {}});
    EXPECT_EQ(Shown(page), "every week|Wednesday+|07|03,7") << "a loaded record";
    EXPECT_EQ(page.Summary(), u"Reminder set: every week, Wednesday");
    page.Never();
    EXPECT_EQ(Shown(page), "never|Sunday|01|30,1");
    EXPECT_EQ(page.Summary(), u"Reminder set: never");
}

// The positions the slide moves to, ticking the timers it asks for from `timer` until it
// asks for `until`; `last` is the final step.
std::vector<int> SlidePositions(ReminderSlide& slide, unsigned timer, unsigned until, SlideStep& last) {
    std::vector<int> positions;
    for (int guard = 0; guard < 1000 && timer != until; ++guard, timer = last.nextTimer) {
        last = slide.OnTimer(timer);
        if (last.moveToY) positions.push_back(*last.moveToY);
    }
    return positions;
}

TEST(ReminderSlide, UpThreePixelsPer30MsStaysThenDownAndAgain) {
    ReminderSlide slide(768);
    SlideStep step = slide.OnTimer(kPromptStart);
    const std::vector<int> up = SlidePositions(slide, kPromptSlideUp, kPromptStay, step);
    EXPECT_EQ(std::vector<int>({int(up.size()), up.front(), up.back(), int(step.period)}), std::vector<int>({64, 765, 576, 20'000}));
    const std::vector<int> down = SlidePositions(slide, kPromptStay, kPromptStart, step);
    EXPECT_EQ(std::vector<int>({int(down.size()), down.front(), down.back(), int(step.period)}),
              std::vector<int>({64, 580, 769, 300'000}));
    EXPECT_EQ(slide.Offset(), 0);
}

// A local time with its day of the week filled in.
DateTime Local(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return DateAt(DaysFromCivil(year, month, day), hour, minute, second);
}

std::int64_t Wall(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return WallSeconds(Local(year, month, day, hour, minute, second));
}

struct DueCase {
    const char* what;
    ReminderRecord record;  // frequency, weekday, date
    DateTime last;          // the last run, or the last scan
    DateTime now;
    bool due;
};

TEST(IsReminderDue, StartUpCheckOnCalendarEdges) {
    const DueCase cases[] = {
        {"Mon 23:00 to next Mon 01:00, Monday", {kEveryWeek, 1, 1, {}}, Local(2010, 5, 3, 23), Local(2010, 5, 10, 1), true},
        {"Mon 23:00 to next Mon 01:00, Tuesday", {kEveryWeek, 2, 1, {}}, Local(2010, 5, 3, 23), Local(2010, 5, 10, 1), false},
        {"seven whole days", {kEveryWeek, 3, 1, {}}, Local(2010, 5, 3), Local(2010, 5, 10), true},
        {"clock set back before the last run", {kEveryWeek, 1, 1, {}}, Local(2010, 5, 10), Local(2010, 5, 3), false},
        {"monthly 15, last on 20th, 14th next", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 20), Local(2010, 4, 14, 23), false},
        {"monthly 15, last on 20th, 15th next", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 20), Local(2010, 4, 15), true},
        {"monthly 15, last on 10th, 15th", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 10), Local(2010, 3, 15), true},
        {"monthly 31 in April: the 30th", {kEveryMonth, 1, 31, {}}, Local(2010, 3, 31), Local(2010, 4, 30), true},
        {"monthly 31 in April: the 29th", {kEveryMonth, 1, 31, {}}, Local(2010, 3, 31), Local(2010, 4, 29), false},
        // Ran on the clamped day: the next one is a month on, not every start of that day.
        {"monthly 31, ran on 30 Sep, same day", {kEveryMonth, 1, 31, {}}, Local(2010, 9, 30, 8), Local(2010, 9, 30, 20), false},
        {"monthly 31, ran on 30 Sep, 31 Oct", {kEveryMonth, 1, 31, {}}, Local(2010, 9, 30), Local(2010, 10, 31), true},
        {"monthly 29, ran on 28 Feb, same day", {kEveryMonth, 1, 29, {}}, Local(2010, 2, 28, 8), Local(2010, 2, 28, 9), false},
        {"monthly 29, ran on 28 Feb, 28 Mar", {kEveryMonth, 1, 29, {}}, Local(2010, 2, 28), Local(2010, 3, 28), false},
        {"3 months over the year, early", {kEvery3Months, 1, 15, {}}, Local(2010, 11, 20), Local(2011, 2, 14), false},
        {"3 months over the year", {kEvery3Months, 1, 15, {}}, Local(2010, 11, 20), Local(2011, 2, 15), true},
    };
    for (const DueCase& test : cases) {
        bool lastRunDue = false;
        EXPECT_EQ(IsReminderDue(test.last, test.record, test.now, lastRunDue), test.due ? 1 : -1) << test.what;
        EXPECT_EQ(lastRunDue, test.due && test.record.frequency == kEvery3Months) << test.what;
    }
}

TEST(IsPeriodicReminderDue, AgainstTheLastScanDate) {
    const DueCase cases[] = {
        {"weekly, Wed after a Mon scan", {kEveryWeek, 3, 1, {}}, Local(2010, 5, 3), Local(2010, 5, 5), true},
        {"weekly, Tue after a Mon scan", {kEveryWeek, 3, 1, {}}, Local(2010, 5, 3), Local(2010, 5, 4), false},
        {"weekly, scan day", {kEveryWeek, 0, 1, {}}, Local(2010, 5, 3), Local(2010, 5, 3, 23), false},
        {"weekly, scan dated after today", {kEveryWeek, 0, 1, {}}, Local(2011, 1, 5), Local(2010, 12, 28), false},
        {"monthly 15, next month 14th", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 20), Local(2010, 4, 14), false},
        {"monthly 15, next month 15th", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 20), Local(2010, 4, 15), true},
        {"monthly 15, two months on", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 20), Local(2010, 5, 1), true},
        {"monthly 31 in April: the 30th", {kEveryMonth, 1, 31, {}}, Local(2010, 3, 5), Local(2010, 4, 30), true},
        {"monthly 31 in April: the 29th", {kEveryMonth, 1, 31, {}}, Local(2010, 3, 5), Local(2010, 4, 29), false},
        {"3 months over the year, early", {kEvery3Months, 1, 15, {}}, Local(2010, 11, 20), Local(2011, 2, 14), false},
        {"3 months over the year", {kEvery3Months, 1, 15, {}}, Local(2010, 11, 20), Local(2011, 2, 15), true},
        {"3 months, 4 months on before the date", {kEvery3Months, 1, 15, {}}, Local(2010, 1, 20), Local(2010, 5, 1), true},
    };
    for (const DueCase& test : cases) {
        EXPECT_EQ(IsPeriodicReminderDue(test.now, test.last, test.record), test.due) << test.what;
    }
}

struct Tick {
    std::int64_t now;
    bool fires;
};

struct AlarmCase {
    const char* what;
    ReminderRecord record;
    std::int64_t appliedAt;
    std::vector<Tick> ticks;
};

TEST(AlarmFiresNow, OncePerPeriodWhateverTheClockDoes) {
    const ReminderRecord sunday{kEveryWeek, 0, 1, Local(2010, 5, 8)};
    const AlarmCase cases[] = {
        {"weekly Sunday: midnight, a step back, the next week", sunday, Wall(2010, 5, 8, 12),
         {{Wall(2010, 5, 8, 23, 59, 59), false}, {Wall(2010, 5, 9), true}, {Wall(2010, 5, 9, 0, 0, 1), false},
          {Wall(2010, 5, 8, 23), false}, {Wall(2010, 5, 9), false},  // set back an hour: the same midnight again
          {Wall(2010, 5, 15, 23, 59, 59), false}, {Wall(2010, 5, 16), true}}},
        {"monthly 31 (saved in February): the last day of April, then May 31st", {kEveryMonth, 1, 31, Local(2010, 2, 2)},
         Wall(2010, 4, 10),
         {{Wall(2010, 4, 29, 23, 59, 59), false}, {Wall(2010, 4, 30), true}, {Wall(2010, 5, 30), false}, {Wall(2010, 5, 31), true}}},
        {"3 months from November: February, then May", {kEvery3Months, 1, 15, Local(2010, 11, 20)}, Wall(2010, 11, 20, 9),
         {{Wall(2011, 1, 15), false}, {Wall(2011, 2, 14, 23, 59, 59), false}, {Wall(2011, 2, 15), true},
          {Wall(2011, 3, 15), false}, {Wall(2011, 4, 15), false}, {Wall(2011, 5, 15), true}}},
    };
    for (const AlarmCase& test : cases) {
        AlarmState state = AppliedState(test.record, test.appliedAt);
        for (const Tick& tick : test.ticks) {
            EXPECT_EQ(AlarmFiresNow(state, tick.now), tick.fires) << test.what << " at " << FromWallSeconds(tick.now).day;
        }
    }
}

}  // namespace
}  // namespace veltra
