#include "update_pages/history_page.h"

#include "core/debug_log.h"
#include "core/vt5_record.h"
#include "update_pages/list_view_scroll.h"

namespace veltra {
namespace {


}  // namespace

const HistoryRow& HistoryPage::Entry(int entry) const {
    static const HistoryRow kEmpty{};
    if (entry < 1 || entry > kHistoryEntries) return kEmpty;
    return list_.entries[static_cast<std::size_t>(entry)];
}

int HistoryPage::RefreshHistory() {
    list_ = history_.ReadHistoryList();
    // A file that cannot be opened is told, never shown as no downloads; once while it lasts.
    if (!list_.failure.empty() && list_.failure != shownFailure_) view_.ShowProblem(list_.failure);
    shownFailure_ = list_.failure;
    const bool visible = ResetHistoryScroll(vt5_.scl2, list_.count);
    for (int row = 1; row <= kVisibleRows; ++row) view_.SetRowEnabled(row, !Entry(row)[0].empty());
    view_.SetScrollBar(visible ? vt5_.scl2.nMax : 0, visible);
    ShowHistoryRows(0);
    return 0;
}

void HistoryPage::ShowHistoryRows(int first) {
    for (int row = 1; row <= kVisibleRows; ++row) {
        const HistoryRow& entry = Entry(first + row);
        view_.SetRowTexts(row, std::span<const std::u16string>(entry.data(), 5));
    }
}

void HistoryPage::OnVScroll(int code, int position) {
    ScrollListView(vt5_.scl2, code, position, u"VT5.scl2", view_, [this](int first) { ShowHistoryRows(first); });
}

void HistoryPage::OnDescription(int row) { view_.ShowInformation(Entry(vt5_.scl2.nCurr + row)[6]); }

}  // namespace veltra
