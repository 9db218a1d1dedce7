#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

#include "core/byte_buffer.h"
#include "core/calendar.h"
#include "core/text.h"
#include "platform/windows1252.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

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

TEST(Text, HexAndDecimalTextPadLikePrintf) {
    EXPECT_EQ(HexText(0x5E2), u"5E2");
    EXPECT_EQ(HexText(0x5e2, 4, false), u"05e2");
    EXPECT_EQ(HexText(0, 4), u"0000");
    EXPECT_EQ(HexText(0xFFFFFFFFu, 4), u"FFFFFFFF");
    EXPECT_EQ(DecimalText(0, 4), u"0000");
    EXPECT_EQ(DecimalText(9, 4), u"0009");
    EXPECT_EQ(DecimalText(12345, 4), u"12345");
    EXPECT_EQ(DecimalText(-7, 4), u"-007");
    EXPECT_EQ(DecimalText(-2147483648LL), u"-2147483648");
}

TEST(Windows1252, MapsTheHighControlRangeBothWays) {
    Windows1252CodePage codePage;
    EXPECT_EQ(codePage.FromAnsi("\x80\x9F\xE4\x81"), u"\u20AC\u0178\u00E4\u0081");
    EXPECT_EQ(codePage.ToAnsi(u"\u20AC\u0178\u00E4\u0081"), "\x80\x9F\xE4\x81");
    EXPECT_EQ(codePage.ToAnsi(u"\u4E2D"), "?");
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

TEST(ByteBuffer, LittleEndianFieldsAndDates) {
    std::array<unsigned char, 26> bytes{};
    PutU16(bytes, 0, 0x1234);
    PutI64(bytes, 2, -2);
    PutDateTime(bytes, 10, DateTime{2010, 5, 5, 7, 23, 59, 58, 999});
    EXPECT_THAT(std::span(bytes).first(10), ElementsAre(0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF));
    EXPECT_THAT(std::span(bytes).subspan(10),
                ElementsAre(0xDA, 0x07, 5, 0, 5, 0, 7, 0, 23, 0, 59, 0, 58, 0, 0xE7, 0x03));
    EXPECT_EQ(GetU16(bytes, 0), 0x1234);
    EXPECT_EQ(GetI64(bytes, 2), -2);
    EXPECT_EQ(GetDateTime(bytes, 10), (DateTime{2010, 5, 5, 7, 23, 59, 58, 999}));
}

TEST(ByteBuffer, ThirtyTwoBitFieldsOfDriverRequests) {
    std::array<unsigned char, 6> bytes{};
    PutU32(bytes, 1, 0x11223344);
    EXPECT_THAT(bytes, ElementsAre(0, 0x44, 0x33, 0x22, 0x11, 0));
    EXPECT_EQ(GetU32(bytes, 1), 0x11223344u);
    PutU32(bytes, 3, 0xFFFFFFFF);  // one byte too far: nothing is written
    PutU32(bytes, static_cast<std::size_t>(-1), 0xFFFFFFFF);
    EXPECT_THAT(bytes, ElementsAre(0, 0x44, 0x33, 0x22, 0x11, 0));
    EXPECT_EQ(GetU32(bytes, 3), 0u);
    EXPECT_EQ(GetU32(bytes, static_cast<std::size_t>(-2)), 0u);
}

TEST(ByteBuffer, FieldsOutsideTheBufferAreNeitherReadNorWritten) {
    std::array<unsigned char, 4> bytes{1, 2, 3, 4};
    PutU16(bytes, 3, 0xFFFF);
    PutI64(bytes, 0, 7);
    PutI32(bytes, 1, 7);
    PutText(bytes, 2, 8, "abc");
    PutDateTime(bytes, 0, DateTime{9, 9, 9, 9, 9, 9, 9, 9});
    EXPECT_THAT(bytes, ElementsAre(1, 2, 3, 4));
    EXPECT_EQ(GetU16(bytes, 3), 0);
    EXPECT_EQ(GetI64(bytes, 0), 0);
    EXPECT_EQ(GetI32(bytes, 1), 0);
    EXPECT_EQ(GetI32(bytes, 0), 0x04030201);
    EXPECT_EQ(GetText(bytes, 1, 9), "");
    EXPECT_EQ(GetDateTime(bytes, 0), DateTime{});
}

TEST(ByteBuffer, TextsStopAtTheZeroOrTheFieldsEnd) {
    std::array<unsigned char, 8> bytes{'l', 'o', 'n', 'g', 'e', 'r', 0, 'X'};
    PutText(bytes, 0, 6, "ab");  // only the text and its zero are written
    EXPECT_THAT(bytes, ElementsAre('a', 'b', 0, 'g', 'e', 'r', 0, 'X'));
    EXPECT_EQ(GetText(bytes, 0, 6), "ab");
    PutText(bytes, 0, 4, "toolong");  // cut to fit its zero
    EXPECT_THAT(bytes, ElementsAre('t', 'o', 'o', 0, 'e', 'r', 0, 'X'));
    EXPECT_EQ(GetText(bytes, 4, 2), "er");  // no zero inside the field: the whole field
    EXPECT_EQ(GetText(bytes, 7, 1), "X");
}

}  // namespace
}  // namespace veltra
