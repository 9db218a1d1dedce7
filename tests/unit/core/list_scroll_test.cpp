#include <gtest/gtest.h>

#include "core/list_scroll.h"
#include "core/vt5_record.h"

namespace veltra {
namespace {

// The scroll codes move the list's top row within 0..nMax (a page is six rows) and name
// the state in their log line; the end of a scroll and unknown codes only log.
TEST(ListScroll, EachCodeMovesWithinTheListAndNamesItsState) {
    const struct {
        int from, max, code, position, to;
        bool moved;
        const char16_t* log;
    } rows[] = {
        {0, 1, 1, 0, 1, true, u"1 : SB_LINEDOWN  VT5.scl.nCurr = 1"},
        {1, 1, 1, 0, 1, true, u"1 : SB_LINEDOWN  VT5.scl.nCurr = 1"},  // at the bottom
        {0, 1, 0, 0, 0, true, u"0 : SB_LINEUP  VT5.scl.nCurr = 0"},  // at the top
        {0, 43, 3, 0, 6, true, u"3 : SB_PAGEDOWN"},
        {40, 43, 3, 0, 43, true, u"3 : SB_PAGEDOWN"},
        {4, 43, 2, 0, 0, true, u"2 : SB_PAGEUP"},
        {0, 43, 5, 20, 20, true, u"5 : SB_THUMBTRACK  VT5.scl.nCurr = 20"},
        {3, 10, 5, 5000, 10, true, u"5 : SB_THUMBTRACK  VT5.scl.nCurr = 10"},
        {3, 10, 4, -7, 0, true, u"4 : SB_THUMBPOSITION  VT5.scl.nCurr = 0"},
        // Home and End (the scroll bar's keys) go to the first and the last page.
        {3, 10, 6, 9, 0, true, u"6 : SB_TOP"},
        {3, 10, 7, 0, 10, true, u"7 : SB_BOTTOM"},
        {3, 10, 8, 9, 3, false, u"8 : SB_ENDSCROLL"},
        {3, 10, 9, 9, 3, false, u"IDC_VSB"},
    };
    for (const auto& row : rows) {
        ScrollState scl{row.from, 6, row.max, row.max + 6};
        const ScrollStep step = ScrollList(scl, row.code, row.position, u"VT5.scl");
        EXPECT_EQ(step.logLine, row.log) << row.from << " code " << row.code;
        EXPECT_EQ(step.moved, row.moved) << row.from << " code " << row.code;
        EXPECT_EQ(scl.nCurr, row.to) << row.from << " code " << row.code;
    }
}

}  // namespace
}  // namespace veltra
