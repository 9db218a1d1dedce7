#include "core/calendar.h"

#include <algorithm>

namespace veltra {
namespace {


// Floor division, as the days before 1970 need it.
std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    return value / divisor - ((value % divisor != 0) && ((value < 0) != (divisor < 0)) ? 1 : 0);
}

}  // namespace

std::int64_t DaysFromCivil(int year, int month, int day) {
    // Days counted in 400-year eras that begin on 1 March, so the leap day ends a year.
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146'097 + dayOfEra - 719'468;
}

int DaysInMonth(int year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

bool IsCalendarDate(const DateTime& time) {
    return time.year >= 1900 && time.month >= 1 && time.month <= 12 && time.day >= 1 &&
           time.day <= DaysInMonth(time.year, time.month);
}

DateTime DateAt(std::int64_t days, int hour, int minute, int second) {
    const std::int64_t z = days + 719'468;
    const std::int64_t era = FloorDiv(z, 146'097);
    const std::int64_t dayOfEra = z - era * 146'097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36'524 - dayOfEra / 146'096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const std::int64_t month = shiftedMonth + (shiftedMonth < 10 ? 3 : -9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    DateTime time;
    time.year = static_cast<std::uint16_t>(year);
    time.month = static_cast<std::uint16_t>(month);
    time.day = static_cast<std::uint16_t>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const std::int64_t fromThursday = days + 4;  // 1970-01-01 was a Thursday
    time.dayOfWeek = static_cast<std::uint16_t>(fromThursday - FloorDiv(fromThursday, 7) * 7);
    time.hour = static_cast<std::uint16_t>(hour);
    time.minute = static_cast<std::uint16_t>(minute);
    time.second = static_cast<std::uint16_t>(second);
    return time;
}

std::int64_t WallSeconds(const DateTime& time) {
    return DaysFromCivil(time.year, time.month, time.day) * kSecondsPerDay + time.hour * 3600 + time.minute * 60 +
           time.second;
}

DateTime FromWallSeconds(std::int64_t seconds) {
    const std::int64_t days = FloorDiv(seconds, kSecondsPerDay);
    const std::int64_t rest = seconds - days * kSecondsPerDay;
    return DateAt(days, static_cast<int>(rest / 3600), static_cast<int>(rest / 60 % 60), static_cast<int>(rest % 60));
}

DateTime MonthDay(int year, int month, int months, int day) {
    const int index = year * 12 + (month - 1) + months;
    const int targetYear = index / 12;
    const int targetMonth = index % 12 + 1;
    const int clamped = std::clamp(day, 1, DaysInMonth(targetYear, targetMonth));
    return DateAt(DaysFromCivil(targetYear, targetMonth, clamped));
}

}  // namespace veltra
