#include <gtest/gtest.h>

#include <vector>

#include "core/calendar.h"
#include "schedule/alarm_clock.h"
#include "schedule/reminder_due.h"

namespace veltra {
namespace {

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
        {"monthly 15, last on 10th, 14th", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 10), Local(2010, 3, 14), false},
        {"monthly 15, last on 10th, 15th", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 10), Local(2010, 3, 15), true},
        {"monthly 31 in April: the 30th", {kEveryMonth, 1, 31, {}}, Local(2010, 3, 31), Local(2010, 4, 30), true},
        {"monthly 31 in April: the 29th", {kEveryMonth, 1, 31, {}}, Local(2010, 3, 31), Local(2010, 4, 29), false},
        {"3 months over the year, early", {kEvery3Months, 1, 15, {}}, Local(2010, 11, 20), Local(2011, 2, 14), false},
        {"3 months over the year", {kEvery3Months, 1, 15, {}}, Local(2010, 11, 20), Local(2011, 2, 15), true},
        {"never", {kNever, 1, 1, {}}, Local(2000, 1, 1), Local(2030, 1, 1), false},
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
        {"never", {kNever, 1, 1, {}}, DateTime{}, Local(2010, 5, 3), false},
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
