#include "schedule/win32/list_box_popup.h"

#include <utility>

#include "ids/reminder.h"
#include "platform/win32/wide.h"
#include "schedule/win32/setting_page.h"

namespace veltra {

CLISTBOX::CLISTBOX(Chooser chooser, std::wstring workPath, std::function<void(int)> onChosen)
    : CBitmapDialog(IDD_LISTBOX), chooser_(chooser), workPath_(std::move(workPath)), onChosen_(std::move(onChosen)) {}

bool CLISTBOX::Open(HWND page, HWND button) {
    page_ = page;
    if (!Create(page)) return false;
    RECT place{};
    GetWindowRect(button, &place);
    const int width = place.right - place.left;
    const int height = ReminderSettings::PopupHeight(chooser_);
    SetWindowPos(Handle(), HWND_TOP, place.left, place.top + 20, width, height, SWP_NOACTIVATE);
    PlaceItem(IDC_LIST_ITEMS, 0, 0, width, height);
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    return true;
}

BOOL CLISTBOX::OnInitDialog() {
    SetBitmap(workPath_ + L"VT5\\skin\\List_bg.bmp");
    list_.Attach(Handle(), IDC_LIST_ITEMS);
    list_.SetFont(L"Arial", RGB(0xC8, 0xC8, 0xC8), RGB(255, 255, 255));
    const std::vector<std::u16string> items = ReminderSettings::Items(chooser_);
    for (std::size_t i = 0; i < items.size(); ++i) list_.AddString(ToWide(items[i]), static_cast<LPARAM>(i));
    return FALSE;
}

// A click in the list makes it the active window; when another one takes over, the list
// closes as it does when the main window is left.
bool CLISTBOX::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) PostMessageW(page_, WM_CLOSE_LIST, 0, 0);
    return CBitmapDialog::OnMessage(message, wParam, lParam, result);
}

void CLISTBOX::OnCommand(int id, int code, HWND control) {
    if (id != IDC_LIST_ITEMS || code != LBN_SELCHANGE) return CBitmapDialog::OnCommand(id, code, control);
    const auto index = static_cast<int>(SendMessageW(list_.Handle(), LB_GETCURSEL, 0, 0));
    if (index != LB_ERR) onChosen_(index);
}

}  // namespace veltra
