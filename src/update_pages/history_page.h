#pragma once
#include "history/history.h"
#include "update_pages/page_views.h"

namespace veltra {

struct VT5Record;

// The History page without its windows: the list of "History.rec", six rows at a time.
class HistoryPage {
public:
    HistoryPage(HistoryFile& history, VT5Record& vt5, IListView& view) : history_(history), vt5_(vt5), view_(view) {}

    // Handler of WM_HISTORY_REFRESH and the end of the page's set-up: the list rebuilt from
    // the whole file, shown from the top. Returns 0.
    int RefreshHistory();
    void OnVScroll(int code, int position);
    // The description button of visible row 1 to 6.
    void OnDescription(int row);
    const HistoryList& List() const { return list_; }

private:
    void ShowHistoryRows(int first);
    const HistoryRow& Entry(int entry) const;

    HistoryFile& history_;
    VT5Record& vt5_;
    IListView& view_;
    HistoryList list_;
    std::u16string shownFailure_;
};

}  // namespace veltra
