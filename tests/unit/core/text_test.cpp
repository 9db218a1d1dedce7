#include <gtest/gtest.h>

#include "core/calendar.h"
#include "core/text.h"

namespace veltra {
namespace {

TEST(Text, Utf8RoundTripsAndBadBytesBecomeReplacementCharacters) {
    const std::u16string text = u"Gr\u00FC\u00DFe \u20AC \U0001F600";
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    // The boundaries between two-, three- and four-byte forms.
    EXPECT_EQ(Utf16ToUtf8(u"\u007F\u0080\u07FF\u0800\uFFFF"), "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xEF\xBF\xBF");
    EXPECT_EQ(Utf16ToUtf8(u"\U00010000"), "\xF0\x90\x80\x80");
    EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82"), u"\uFFFD\uFFFD");  // truncated sequence
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', char16_t(0xDC00), char16_t(0xD800)}), "a\xEF\xBF\xBD\xEF\xBF\xBD");  // lone surrogates
}

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
