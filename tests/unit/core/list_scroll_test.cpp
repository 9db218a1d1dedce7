#include <gtest/gtest.h>

#include "core/list_scroll.h"
#include "core/vt5_record.h"

namespace veltra {
namespace {

// Seven history records: one row beyond a page.
TEST(ListScroll, EachCodeMovesWithinTheListAndNamesItsState) {
    ScrollState scl2{0, 6, 1, 7};
    ScrollStep step = ScrollList(scl2, 1, 0, u"VT5.scl2");
    EXPECT_TRUE(step.moved);
    EXPECT_EQ(scl2.nCurr, 1);
    EXPECT_EQ(step.logLine, u"1 : SB_LINEDOWN  VT5.scl2.nCurr = 1");
    EXPECT_EQ(ScrollList(scl2, 1, 0, u"VT5.scl2").logLine, u"1 : SB_LINEDOWN  VT5.scl2.nCurr = 1");  // at the bottom
    EXPECT_EQ(ScrollList(scl2, 0, 0, u"VT5.scl2").logLine, u"0 : SB_LINEUP  VT5.scl2.nCurr = 0");
    EXPECT_EQ(ScrollList(scl2, 0, 0, u"VT5.scl2").logLine, u"0 : SB_LINEUP  VT5.scl2.nCurr = 0");  // at the top

    ScrollState scl{0, 6, 43, 49};
    EXPECT_EQ(ScrollList(scl, 3, 0, u"VT5.scl").logLine, u"3 : SB_PAGEDOWN");
    EXPECT_EQ(scl.nCurr, 6);
    scl.nCurr = 40;
    ScrollList(scl, 3, 0, u"VT5.scl");
    EXPECT_EQ(scl.nCurr, 43);
    ScrollList(scl, 2, 0, u"VT5.scl");
    EXPECT_EQ(scl.nCurr, 37);
    scl.nCurr = 4;
    EXPECT_EQ(ScrollList(scl, 2, 0, u"VT5.scl").logLine, u"2 : SB_PAGEUP");
    EXPECT_EQ(scl.nCurr, 0);
    EXPECT_EQ(ScrollList(scl, 5, 20, u"VT5.scl").logLine, u"5 : SB_THUMBTRACK  VT5.scl.nCurr = 20");
    EXPECT_EQ(ScrollList(scl, 4, 21, u"VT5.scl").logLine, u"4 : SB_THUMBPOSITION  VT5.scl.nCurr = 21");
}

TEST(ListScroll, OtherCodesOnlyLogAndWildPositionsStayInTheList) {
    ScrollState scl{0, 6, 10, 16};
    scl.nCurr = 3;
    const char16_t* lines[] = {u"6 : SB_TOP", u"7 : SB_BOTTOM", u"8 : SB_ENDSCROLL"};
    for (int code = 6; code <= 8; ++code) {
        const ScrollStep step = ScrollList(scl, code, 9, u"VT5.scl");
        EXPECT_FALSE(step.moved);
        EXPECT_EQ(step.logLine, lines[code - 6]);
    }
    EXPECT_EQ(ScrollList(scl, 9, 9, u"VT5.scl").logLine, u"IDC_VSB");
    EXPECT_EQ(ScrollList(scl, -1, 9, u"VT5.scl").logLine, u"IDC_VSB");
    EXPECT_EQ(scl.nCurr, 3);

    ScrollList(scl, 5, 5000, u"VT5.scl");
    EXPECT_EQ(scl.nCurr, 10);
    ScrollList(scl, 4, -7, u"VT5.scl");
    EXPECT_EQ(scl.nCurr, 0);
}

}  // namespace
}  // namespace veltra
