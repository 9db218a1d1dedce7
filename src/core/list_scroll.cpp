#include "core/list_scroll.h"

#include <algorithm>

#include "core/text.h"
#include "core/vt5_record.h"

namespace veltra {
namespace {

constexpr int kPageRows = 6;

enum ScrollCode : int {
    kLineUp = 0,
    kLineDown,
    kPageUp,
    kPageDown,
    kThumbPosition,
    kThumbTrack,
    kTop,
    kBottom,
    kEndScroll,
};

int NewTop(const ScrollState& state, int code, int position) {
    switch (code) {
        case kLineUp: return state.nCurr > 0 ? state.nCurr - 1 : state.nCurr;
        case kLineDown: return state.nCurr < state.nMax ? state.nCurr + 1 : state.nCurr;
        case kPageUp: return std::max(state.nCurr - kPageRows, 0);
        case kPageDown: return std::min(state.nCurr + kPageRows, state.nMax);
        case kTop: return 0;
        case kBottom: return state.nMax;
        default: return position;
    }
}

std::u16string LogLine(int code, std::u16string_view name, int top) {
    static constexpr const char16_t* kNames[] = {u"SB_LINEUP",        u"SB_LINEDOWN", u"SB_PAGEUP",
                                                 u"SB_PAGEDOWN",      u"SB_THUMBPOSITION",
                                                 u"SB_THUMBTRACK",    u"SB_TOP",      u"SB_BOTTOM",
                                                 u"SB_ENDSCROLL"};
    if (code < kLineUp || code > kEndScroll) return u"IDC_VSB";
    std::u16string line = DecimalText(code) + u" : " + kNames[code];
    const bool withTop = code == kLineUp || code == kLineDown || code == kThumbPosition || code == kThumbTrack;
    if (withTop) line += u"  " + std::u16string(name) + u".nCurr = " + DecimalText(top);
    return line;
}

}  // namespace

ScrollStep ScrollList(ScrollState& state, int code, int position, std::u16string_view name) {
    const bool moves = code >= kLineUp && code <= kBottom;
    if (moves) state.nCurr = std::clamp(NewTop(state, code, position), 0, std::max(state.nMax, 0));
    return {moves, LogLine(code, name, state.nCurr)};
}

}  // namespace veltra
