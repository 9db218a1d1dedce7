#pragma once
#include <string>
#include <string_view>

namespace veltra {

struct ScrollState;

// What one scroll-bar code did to a six-row list.
struct ScrollStep {
    bool moved = false;      // codes 0 to 7: set the bar to nCurr and show the rows from nCurr
    std::u16string logLine;  // logged after the rows are shown
};

// Applies a scroll-bar code (SB_LINEUP 0 ... SB_ENDSCROLL 8) to a list's scroll state;
// `name` is the state as the log lines call it, "VT5.scl" or "VT5.scl2". The new top row
// always stays within 0 to nMax, whatever position the bar reports.
ScrollStep ScrollList(ScrollState& state, int code, int position, std::u16string_view name);

}  // namespace veltra
