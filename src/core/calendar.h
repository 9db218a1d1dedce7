#pragma once
#include <cstdint>

#include "platform/clock.h"

namespace veltra {

inline constexpr std::int64_t kSecondsPerDay = 86'400;

// Proleptic Gregorian calendar arithmetic on the platform's date-time record, so the
// schedule never depends on the C library's time zone state.
std::int64_t DaysFromCivil(int year, int month, int day);
int DaysInMonth(int year, int month);
// A record with year 1900 or later, month 1 to 12 and a day that exists in that month.
bool IsCalendarDate(const DateTime& time);

// The date `days` after 1970-01-01 at the given time of day, with its day of the week.
DateTime DateAt(std::int64_t days, int hour = 0, int minute = 0, int second = 0);
// Local seconds since 1970-01-01 00:00 of the same wall-clock fields: an order of local
// times that ignores the offset from UTC.
std::int64_t WallSeconds(const DateTime& time);
DateTime FromWallSeconds(std::int64_t seconds);

// Midnight of `day` in the month `months` after (year, month); a day past the month's end
// becomes its last day.
DateTime MonthDay(int year, int month, int months, int day);

}  // namespace veltra
