#include "update_pages/win32/history_page_window.h"

#include "controls/win32/gdi.h"
#include "core/vt5_record.h"
#include "ids/bitmaps.h"
#include "ids/history_page.h"
#include "ids/strings.h"
#include "platform/win32/wide.h"

namespace veltra {
namespace {

const ListGrid::Layout kHistoryListLayout{IDC_HIS_LIST_FIRST,
                                          IDC_HIS_SCROLL,
                                          {73, 109, 201, 313, 501, 621, 651, 681},
                                          {36, 92, 112, 188, 120, 30, 30, 10},
                                          false};

}  // namespace

CPAGE_HISTORY::CPAGE_HISTORY(HistoryFile& history, VT5Record& vt5)
    : CListPage(IDD_PAGE_HISTORY, ToWide(vt5.sWorkPath)), page_(history, vt5, *this) {}

BOOL CPAGE_HISTORY::OnInitDialog() {
    SetUpList(L"history_bg.bmp", kHistoryListLayout);
    HWND title = Item(IDC_HIS_TITLE);
    SendMessageW(title, STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(SharedPicture(IDB_LIST_TITLE_HISTORY)));
    PlaceItem(IDC_HIS_TITLE, 73, 76, 619, 34);
    // Only the description button acts on this page.
    for (int row = 1; row <= 6; ++row) grid_.Cell(row, 5).Show(false);
    page_.RefreshHistory();
    title_.Attach(Handle(), IDC_HIS_TITLE_LABEL);
    wchar_t text[64] = L"";
    LoadStringW(GetModuleHandleW(nullptr), IDS_DOWNLOAD_HISTORY, text, 64);
    title_.SetTransparent(true).SetTextColor(RGB(255, 255, 255)).SetText(text);
    title_.Place(120, 40, 200, 30);
    return FALSE;
}

bool CPAGE_HISTORY::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_HISTORY_REFRESH: result = page_.RefreshHistory(); return true;
    default: break;
    }
    return CListPage::OnMessage(message, wParam, lParam, result);
}

void CPAGE_HISTORY::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED && grid_.RowOf(id) != 0 && grid_.ColumnOf(id) == 6) return page_.OnDescription(grid_.RowOf(id));
    CListPage::OnCommand(id, code, control);
}

}  // namespace veltra
