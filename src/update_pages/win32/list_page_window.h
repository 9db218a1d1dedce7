#pragma once
#include <windows.h>

#include <span>
#include <string>
#include <utility>

#include "controls/win32/bitmap_dialog.h"
#include "controls/win32/information.h"
#include "controls/win32/message_box.h"
#include "platform/win32/wide.h"
#include "update_pages/page_views.h"
#include "update_pages/win32/list_grid.h"

namespace veltra {

// A page built around the six-row list (the update page, the History page): the list
// view's calls go to its grid and to the information panel below it, and the grid's
// scroll bar to the page's controller. `View` is the controller's view interface.
template <typename View>
class CListPage : public CBitmapDialog, public View {
public:
    void FocusList() const { SetFocus(grid_.ScrollBar()); }

    // IListView
    void SetRowEnabled(int row, bool enabled) override { grid_.SetRowEnabled(row, enabled); }
    void SetRowTexts(int row, std::span<const std::u16string> texts) override { grid_.SetRowTexts(row, texts); }
    void SetScrollBar(int max, bool visible) override { grid_.SetScrollBar(max, visible); }
    void SetScrollPosition(int position) override { grid_.SetScrollPosition(position); }
    void ShowInformation(const std::u16string& text) override {
        information_.Clear();
        information_.SetInformation(ToWide(text));
    }
    void ShowProblem(const std::u16string& text) override {
        CMSG box(CMSG::kProblem, workPath_, ToWide(text));
        box.DoModal(Handle());
    }

protected:
    CListPage(int templateId, std::wstring workPath)
        : CBitmapDialog(templateId), workPath_(std::move(workPath)), information_(workPath_) {}

    // The page's background, its list and the information panel under it.
    void SetUpList(const wchar_t* background, const ListGrid::Layout& layout) {
        static const std::u16string kHeader[] = {u"", u"Type", u"Item", u"Curr ver.", u"Online ver.", u"", u"", u""};
        Place(0, 0, 760, 385);
        SetBitmap(workPath_ + L"VT5\\skin\\" + background);
        grid_.Attach(Handle(), layout, kHeader);
        information_.Create(Handle());
        information_.Place(73, 270, 619, 98);
        ShowWindow(information_.Handle(), SW_SHOW);
    }

    // The scroll bar moved: code and thumb position as WM_VSCROLL gives them.
    virtual void OnListScroll(int code, int position) = 0;

    // Page Up, Page Down, Home and End move the list wherever on the page the focus is
    // (a click on a row gives it to that row's button).
    bool PreTranslateMessage(const MSG& message) override {
        if (message.message != WM_KEYDOWN || message.hwnd == grid_.ScrollBar()) return false;
        static constexpr std::pair<WPARAM, int> kKeys[] = {{VK_PRIOR, SB_PAGEUP}, {VK_NEXT, SB_PAGEDOWN}, {VK_HOME, SB_TOP}, {VK_END, SB_BOTTOM}};
        for (const auto& [key, code] : kKeys) {
            if (message.wParam != key) continue;
            OnListScroll(code, 0);
            return true;
        }
        return false;
    }

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_VSCROLL && reinterpret_cast<HWND>(lParam) == grid_.ScrollBar()) {
            OnListScroll(LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
            result = 0;
            return true;
        }
        if (message == WM_MOUSEWHEEL) {
            // Three rows a notch, as the system's lists move.
            const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
            for (int line = 0; line < 3 * (notches < 0 ? -notches : notches); ++line)
                OnListScroll(notches < 0 ? SB_LINEDOWN : SB_LINEUP, 0);
            result = 0;
            return true;
        }
        return CBitmapDialog::OnMessage(message, wParam, lParam, result);
    }

    std::wstring workPath_;
    ListGrid grid_;
    CINFORMATION information_;
};

}  // namespace veltra
