#pragma once
#include <windows.h>

#include <string>

#include "controls/win32/bitmap_dialog.h"
#include "controls/win32/information.h"
#include "controls/win32/label.h"
#include "download/history_page.h"
#include "download/page_views.h"
#include "download/win32/list_grid.h"

namespace veltra {

// Posted by the update page after a download was recorded.
constexpr UINT WM_HISTORY_REFRESH = WM_USER + 24;

// The History page's window: "History.rec" six rows at a time with a description button.
class CPAGE_HISTORY final : public CBitmapDialog, public IListView {
public:
    CPAGE_HISTORY(HistoryFile& history, VT5Record& vt5);
    HistoryPage& Page() { return page_; }
    ListGrid& Grid() { return grid_; }
    void FocusList() const;

    // IListView
    void SetRowEnabled(int row, bool enabled) override { grid_.SetRowEnabled(row, enabled); }
    void SetRowTexts(int row, std::span<const std::u16string> texts) override { grid_.SetRowTexts(row, texts); }
    void SetScrollBar(int max, bool visible) override { grid_.SetScrollBar(max, visible); }
    void SetScrollPosition(int position) override { grid_.SetScrollPosition(position); }
    void ShowInformation(const std::u16string& text) override;

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnCommand(int id, int code, HWND control) override;
    void OnCancel() override {}

private:
    std::wstring workPath_;
    HistoryPage page_;
    ListGrid grid_;
    CLabel title_;
    CINFORMATION information_;
};

}  // namespace veltra
