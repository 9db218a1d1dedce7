#include "update_pages/win32/list_grid.h"

#include <commctrl.h>

#include "ids/bitmaps.h"
#include "core/guarded_callback.h"
#include "platform/win32/wide.h"
#include "update_pages/list_view_scroll.h"

namespace veltra {
namespace {

constexpr int kFirstRowY = 84;
constexpr int kRowHeight = 26;
constexpr COLORREF kCellText = RGB(235, 235, 235);
constexpr COLORREF kTipBackground = RGB(36, 40, 52);  // the list's own dark blue-grey
constexpr int kTipMargin = 4;

void SkinCell(CxSkinButton& cell, int column, bool tickColumn) {
    if (column == 0 && tickColumn) {
        cell.SetKind(CxSkinButton::Kind::CheckBox);
        cell.SetSkin(IDB_ROW_TICK_OFF, IDB_ROW_TICK_ON, 0, IDB_ROW_TICK_DISABLED);
    } else if (column == 5) {
        cell.SetSkin(IDB_ROW_DOWNLOAD_NORMAL, IDB_ROW_DOWNLOAD_PRESSED, IDB_ROW_DOWNLOAD_HOVER, IDB_ROW_DOWNLOAD_DISABLED);
    } else if (column == 6) {
        cell.SetSkin(IDB_ROW_DETAILS_NORMAL, IDB_ROW_DETAILS_PRESSED, IDB_ROW_DETAILS_HOVER, IDB_ROW_DETAILS_DISABLED);
    } else if (column == 7) {
        cell.SetSkin(IDB_ROW_SPACER, IDB_ROW_SPACER, 0, 0);
    } else {
        cell.SetSkin(IDB_ROW_CELL, IDB_ROW_CELL, 0, IDB_ROW_CELL_DISABLED);
        cell.SetTextColor(kCellText);
        cell.SetHoverTextColor(kCellText);
    }
}

// The tip painted in the list's colours: the system's tooltip look ignores the colours it
// is given.
LRESULT CALLBACK PaintTip(HWND tip, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    const auto answer = [&]() -> LRESULT {
        if (message != WM_PAINT) return DefSubclassProc(tip, message, wParam, lParam);
        wchar_t text[256]{};
        GetWindowTextW(tip, text, 256);
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(tip, &paint);
        RECT area{};
        GetClientRect(tip, &area);
        HBRUSH background = CreateSolidBrush(kTipBackground);
        FillRect(dc, &area, background);
        DeleteObject(background);
        FrameRect(dc, &area, GetSysColorBrush(COLOR_GRAYTEXT));
        InflateRect(&area, -kTipMargin, 0);
        HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(tip, WM_GETFONT, 0, 0)));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kCellText);
        DrawTextW(dc, text, -1, &area, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(dc, previous);
        EndPaint(tip, &paint);
        return 0;
    };
    return AnswerOrDefault("the list's tip", answer,
                           [&]() -> LRESULT { return DefSubclassProc(tip, message, wParam, lParam); });
}

bool IsActionColumn(int column, bool tickColumn) { return column == 5 || column == 6 || (column == 0 && tickColumn); }

}  // namespace

void ListGrid::Attach(HWND page, const Layout& layout, std::span<const std::u16string> header) {
    layout_ = layout;
    for (int k = 0; k < kRows; ++k) {
        for (int c = 0; c < kColumns; ++c) {
            CxSkinButton& cell = cells_[k][c];
            cell.Attach(page, layout.firstId + 8 * k + c);
            SkinCell(cell, c, layout.tickColumn);
            // Tab stops only at what a row does (tick, download, details), not at its texts,
            // and a text a click gave the focus shows no frame.
            if (!IsActionColumn(c, layout.tickColumn)) {
                const LONG_PTR style = GetWindowLongPtrW(cell.Handle(), GWL_STYLE);
                SetWindowLongPtrW(cell.Handle(), GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_TABSTOP));
                cell.SetFocusMargin(0);
            }
            cell.Place(layout.x[c], kFirstRowY + kRowHeight * k, layout.width[c], kRowHeight);
            if (k == 0 && c < static_cast<int>(header.size())) SetWindowTextW(cell.Handle(), ToWide(header[c]).c_str());
        }
    }
    scroll_ = GetDlgItem(page, layout.scrollId);
    SetWindowPos(scroll_, nullptr, 693, 84, 12, 182, SWP_NOZORDER | SWP_NOACTIVATE);
    // The header's texts are drawn in the list's title picture instead.
    for (CxSkinButton& cell : cells_[0]) cell.Show(false);
    SetUpTooltip(page);
}

void ListGrid::SetUpTooltip(HWND page) {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, page, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SetWindowSubclass(tooltip_, PaintTip, 0, 0);
    // Room for the text inside the frame PaintTip draws.
    RECT margin{kTipMargin, 0, kTipMargin, 0};
    SendMessageW(tooltip_, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
    for (int k = 1; k <= kVisibleRows; ++k) {
        for (int c = 0; c < 5; ++c) {
            if (IsActionColumn(c, layout_.tickColumn)) continue;
            TOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            tool.hwnd = page;
            tool.uId = reinterpret_cast<UINT_PTR>(cells_[k][c].Handle());
            tool.lpszText = const_cast<wchar_t*>(L"");
            SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}

void ListGrid::UpdateTip(CxSkinButton& cell, const std::wstring& text) const {
    const std::wstring tip = cell.CaptionFits() ? std::wstring() : text;
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = GetParent(cell.Handle());
    tool.uId = reinterpret_cast<UINT_PTR>(cell.Handle());
    tool.lpszText = const_cast<wchar_t*>(tip.c_str());
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

int ListGrid::RowOf(int id) const {
    const int offset = id - layout_.firstId;
    if (offset < kColumns || offset >= kRows * kColumns) return 0;
    return offset / kColumns;
}

int ListGrid::ColumnOf(int id) const { return (id - layout_.firstId) % kColumns; }

void ListGrid::SetRowEnabled(int row, bool enabled) {
    for (int c : {0, 5, 6}) cells_[row][c].Enable(enabled);
}

void ListGrid::SetRowTexts(int row, std::span<const std::u16string> texts) {
    const int first = 5 - static_cast<int>(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        CxSkinButton& cell = cells_[row][first + static_cast<int>(i)];
        const std::wstring text = ToWide(texts[i]);
        SetWindowTextW(cell.Handle(), text.c_str());
        UpdateTip(cell, text);
        cell.Redraw();
    }
}

void ListGrid::SetRowTicked(int row, bool ticked) { cells_[row][0].SetCheck(ticked); }

void ListGrid::SetScrollBar(int max, bool visible) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_POS, 0, max, 0, 0, 0};
    SetScrollInfo(scroll_, SB_CTL, &info, TRUE);
    scrollWanted_ = visible;
    ShowWindow(scroll_, visible && shown_ ? SW_SHOW : SW_HIDE);
}

void ListGrid::SetScrollPosition(int position) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, position, 0};
    SetScrollInfo(scroll_, SB_CTL, &info, TRUE);
}

void ListGrid::Show(bool show) {
    shown_ = show;
    for (int k = 1; k <= kVisibleRows; ++k) {
        for (CxSkinButton& cell : cells_[k]) cell.Show(show);
    }
    ShowWindow(scroll_, show && scrollWanted_ ? SW_SHOW : SW_HIDE);
}

}  // namespace veltra
