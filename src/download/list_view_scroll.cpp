#include "download/list_view_scroll.h"

#include "app/debug_log.h"
#include "app/list_scroll.h"
#include "app/vt5_record.h"
#include "download/page_views.h"

namespace veltra {

void ScrollListView(ScrollState& state, int code, int position, std::u16string_view name, IListView& view,
                    const std::function<void(int first)>& showRows) {
    const ScrollStep step = ScrollList(state, code, position, name);
    if (step.moved) {
        view.SetScrollPosition(state.nCurr);
        showRows(state.nCurr);
    }
    DebugLog(step.logLine);
}

}  // namespace veltra
