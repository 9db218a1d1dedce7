#include <gtest/gtest.h>

#include "core/calendar.h"

namespace veltra {
namespace {

TEST(Calendar, DaysRoundTripWithWeekdaysAndCenturyLeapYears) {
    const DateTime dates[] = {{1969, 12, 3, 31}, {1970, 1, 4, 1}, {1900, 3, 4, 1}, {2000, 2, 2, 29},
                              {2000, 12, 0, 31}, {2012, 2, 3, 29}, {2100, 3, 1, 1}};
    for (const DateTime& date : dates) {
        EXPECT_EQ(DateAt(DaysFromCivil(date.year, date.month, date.day)), date) << date.year << "-" << date.month;
    }
    EXPECT_EQ(DaysFromCivil(1969, 12, 31), -1);
    EXPECT_EQ(FromWallSeconds(-1), (DateTime{1969, 12, 3, 31, 23, 59, 59, 0}));
    EXPECT_EQ(std::vector<int>({DaysInMonth(1900, 2), DaysInMonth(2000, 2), DaysInMonth(2011, 2), DaysInMonth(2012, 2),
                                DaysInMonth(2010, 4), DaysInMonth(2010, 13)}),
              std::vector<int>({28, 29, 28, 29, 30, 0}));
    EXPECT_EQ(MonthDay(2010, 11, 3, 31), (DateTime{2011, 2, 1, 28}));
    // Dates read from files: day 0, the 29th of a common February and years before 1900 are none.
    EXPECT_EQ(std::vector<bool>({IsCalendarDate({2010, 2, 0, 28}), IsCalendarDate({2010, 2, 0, 29}),
                                 IsCalendarDate({2010, 2, 0, 0}), IsCalendarDate({1899, 12, 0, 31}),
                                 IsCalendarDate({2010, 13, 0, 1})}),
              std::vector<bool>({true, false, false, false, false}));
}

}  // namespace
}  // namespace veltra
