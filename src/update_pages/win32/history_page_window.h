#pragma once
#include <windows.h>

#include <string>

#include "controls/win32/label.h"
#include "update_pages/history_page.h"
#include "update_pages/page_views.h"
#include "update_pages/win32/list_page_window.h"

namespace veltra {

// Posted by the update page after a download was recorded.
constexpr UINT WM_HISTORY_REFRESH = WM_USER + 24;

// The History page's window: "History.rec" six rows at a time with a description button.
class CPAGE_HISTORY final : public CListPage<IListView> {
public:
    CPAGE_HISTORY(HistoryFile& history, VT5Record& vt5);
    HistoryPage& Page() { return page_; }

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnCommand(int id, int code, HWND control) override;
    void OnCancel() override {}
    void OnListScroll(int code, int position) override { page_.OnVScroll(code, position); }

private:
    HistoryPage page_;
    CLabel title_;
};

}  // namespace veltra
