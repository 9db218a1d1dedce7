#include "update_pages/list_view_scroll.h"

#include "core/debug_log.h"
#include "core/list_scroll.h"
#include "core/vt5_record.h"
#include "update_pages/page_views.h"

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
