#pragma once
#include <cstdint>

#include "platform/clock.h"
#include "schedule/reminder_record.h"

namespace veltra {

// The time read from "LastTime.rec" at start-up, and whether the start-up check found a
// three-monthly reminder due.
struct LastRun {
    std::int64_t time = 0;
    bool due = false;
};

// The start-up check: 1 when a reminder is due, -1 when not. `lastRun` and `now` are
// local times; a three-monthly reminder that is due sets `lastRunDue`.
int IsReminderDue(const DateTime& lastRun, const ReminderRecord& record, const DateTime& now, bool& lastRunDue);

// The periodic check against the local date of the last completed scan.
bool IsPeriodicReminderDue(const DateTime& current, const DateTime& lastScan, const ReminderRecord& record);

// What "LastTime.rec" keeps at exit: now, except that a three-monthly period that was not
// due keeps running from the time read at start-up.
std::int64_t LastTimeAtExit(std::int32_t frequency, const LastRun& lastRun, std::int64_t now);

}  // namespace veltra
