#include <gtest/gtest.h>

#include "core/text.h"
#include "platform/windows1252.h"

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
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Text, HexTextPadsLikePrintfInEitherCase) {
    EXPECT_EQ(HexText(0x5E2), u"5E2");
    EXPECT_EQ(HexText(0x5e2, 4, false), u"05e2");
    EXPECT_EQ(HexText(0, 4), u"0000");
    EXPECT_EQ(HexText(0xFFFFFFFFu, 4), u"FFFFFFFF");
}

TEST(Text, DecimalTextPadsLikePrintf) {
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

}  // namespace
}  // namespace veltra
