#pragma once
#include "core/calendar.h"

namespace veltra::testing_times {

// A local time with its day of the week filled in.
inline DateTime Local(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return DateAt(DaysFromCivil(year, month, day), hour, minute, second);
}

inline std::int64_t Wall(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return WallSeconds(Local(year, month, day, hour, minute, second));
}

}  // namespace veltra::testing_times
