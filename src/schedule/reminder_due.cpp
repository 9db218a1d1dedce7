#include "schedule/reminder_due.h"

#include <algorithm>

#include "core/calendar.h"

namespace veltra {
namespace {


std::int64_t DayNumber(const DateTime& time) { return DaysFromCivil(time.year, time.month, time.day); }

int WeekdayOf(const DateTime& time) { return DateAt(DayNumber(time)).dayOfWeek; }

bool IsWeeklyDue(const DateTime& lastRun, std::int32_t weekday, const DateTime& now) {
    if ((WallSeconds(now) - WallSeconds(lastRun)) / kSecondsPerDay >= 7) return true;
    // Both dates counted: the days the program has seen since the last run.
    const std::int64_t counted = DayNumber(now) - DayNumber(lastRun) + 1;
    if (counted <= 0) return false;  // the clock was set back before the last run
    const std::int64_t remainder = counted % 7;
    if (remainder == 0) return true;
    const std::int64_t sinceLastWeekday = (weekday - WeekdayOf(lastRun) + 7) % 7;
    return sinceLastWeekday < remainder;
}

// The due date is on `date`, or on the month's last day when the month is shorter.
bool IsDueAfterMonths(const DateTime& lastRun, int months, std::int32_t date, const DateTime& now) {
    return DayNumber(now) >= DayNumber(MonthDay(lastRun.year, lastRun.month, months, date));
}

int MonthIndex(const DateTime& time) { return time.year * 12 + time.month - 1; }

// The record's date in the current month, or that month's last day.
int DateInMonth(std::int32_t date, const DateTime& current) { return std::min<int>(date, DaysInMonth(current.year, current.month)); }

}  // namespace

int IsReminderDue(const DateTime& lastRun, const ReminderRecord& record, const DateTime& now, bool& lastRunDue) {
    bool due = false;
    switch (record.frequency) {
        case kEveryWeek: due = IsWeeklyDue(lastRun, record.weekday, now); break;
        case kEveryMonth: {
            // The last run on the month's due day (the chosen day, or the month's last day
            // when shorter) waits for the next month.
            const int months = lastRun.day < DateInMonth(record.date, lastRun) ? 0 : 1;
            due = IsDueAfterMonths(lastRun, months, record.date, now);
            break;
        }
        case kEvery3Months:
            due = IsDueAfterMonths(lastRun, 3, record.date, now);
            if (due) lastRunDue = true;
            break;
        default: break;
    }
    return due ? 1 : -1;
}

bool IsPeriodicReminderDue(const DateTime& current, const DateTime& lastScan, const ReminderRecord& record) {
    // A scan dated after today (the clock was set back) gives no reminder.
    const int months = MonthIndex(current) - MonthIndex(lastScan);
    if (months < 0) return false;
    switch (record.frequency) {
        case kEveryWeek:
            return months > 0 || (current.day > lastScan.day && WeekdayOf(current) >= record.weekday);
        case kEveryMonth: return months > 1 || (months == 1 && current.day >= DateInMonth(record.date, current));
        case kEvery3Months: return months > 3 || (months == 3 && current.day >= DateInMonth(record.date, current));
        default: return false;
    }
}

std::int64_t LastTimeAtExit(std::int32_t frequency, const LastRun& lastRun, std::int64_t now) {
    return frequency == kEvery3Months && !lastRun.due ? lastRun.time : now;
}

}  // namespace veltra
