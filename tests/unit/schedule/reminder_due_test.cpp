#include <gtest/gtest.h>

#include "schedule/reminder_due.h"
#include "schedule_times.h"

namespace veltra {
namespace {

using testing_times::Local;

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
        {"Fri to Sun over the year, Sunday", {kEveryWeek, 0, 1, {}}, Local(2010, 12, 31, 10), Local(2011, 1, 2, 9), true},
        {"Fri to Sun over the year, Monday", {kEveryWeek, 1, 1, {}}, Local(2010, 12, 31, 10), Local(2011, 1, 2, 9), false},
        {"clock set back before the last run", {kEveryWeek, 1, 1, {}}, Local(2010, 5, 10), Local(2010, 5, 3), false},
        {"monthly 15, last on 20th, 14th next", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 20), Local(2010, 4, 14, 23), false},
        {"monthly 15, last on 20th, 15th next", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 20), Local(2010, 4, 15), true},
        {"monthly 15, last on 10th, 14th", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 10), Local(2010, 3, 14), false},
        {"monthly 15, last on 10th, 15th", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 10), Local(2010, 3, 15), true},
        {"monthly 15 over the year", {kEveryMonth, 1, 15, {}}, Local(2010, 12, 20), Local(2011, 1, 15), true},
        {"monthly 31 in April: the 30th", {kEveryMonth, 1, 31, {}}, Local(2010, 3, 31), Local(2010, 4, 30), true},
        {"monthly 31 in April: the 29th", {kEveryMonth, 1, 31, {}}, Local(2010, 3, 31), Local(2010, 4, 29), false},
        {"monthly 31, leap February 28th", {kEveryMonth, 1, 31, {}}, Local(2012, 1, 31), Local(2012, 2, 28), false},
        {"monthly 31, leap February 29th", {kEveryMonth, 1, 31, {}}, Local(2012, 1, 31), Local(2012, 2, 29), true},
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
        {"weekly, next year", {kEveryWeek, 6, 1, {}}, Local(2010, 12, 30), Local(2011, 1, 2), true},
        {"weekly, scan dated after today", {kEveryWeek, 0, 1, {}}, Local(2011, 1, 5), Local(2010, 12, 28), false},
        {"monthly 15, next month 14th", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 20), Local(2010, 4, 14), false},
        {"monthly 15, next month 15th", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 20), Local(2010, 4, 15), true},
        {"monthly 15, two months on", {kEveryMonth, 1, 15, {}}, Local(2010, 3, 20), Local(2010, 5, 1), true},
        {"monthly 31 in April: the 30th", {kEveryMonth, 1, 31, {}}, Local(2010, 3, 5), Local(2010, 4, 30), true},
        {"monthly 31 in April: the 29th", {kEveryMonth, 1, 31, {}}, Local(2010, 3, 5), Local(2010, 4, 29), false},
        {"3 months over the year, early", {kEvery3Months, 1, 15, {}}, Local(2010, 11, 20), Local(2011, 2, 14), false},
        {"3 months over the year", {kEvery3Months, 1, 15, {}}, Local(2010, 11, 20), Local(2011, 2, 15), true},
        {"3 months, 13 months on", {kEvery3Months, 1, 15, {}}, Local(2010, 12, 1), Local(2012, 1, 5), true},
        {"3 months, 4 months on before the date", {kEvery3Months, 1, 15, {}}, Local(2010, 1, 20), Local(2010, 5, 1), true},
        {"never", {kNever, 1, 1, {}}, DateTime{}, Local(2010, 5, 3), false},
    };
    for (const DueCase& test : cases) {
        EXPECT_EQ(IsPeriodicReminderDue(test.now, test.last, test.record), test.due) << test.what;
    }
}

}  // namespace
}  // namespace veltra
