#include "schedule/win32/my_app_tray_icon.h"

#include "ids/tray.h"

namespace veltra {

CMyAppTrayIcon::CMyAppTrayIcon(HWND mainDialog, NotifyFunction notify)
    : CSysTrayIcon(notify), mainDialog_(mainDialog) {}

void CMyAppTrayIcon::OnRButtonDown(UINT /*id*/, int x, int y) {
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_SYSTRAY));
    if (menu == nullptr) return;
    // Restore and Exit arrive at the main window as WM_COMMAND 32771 and 32772.
    SetForegroundWindow(mainDialog_);
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON, x, y, 0, mainDialog_, nullptr);
    // Lets the menu close when the user clicks elsewhere.
    PostMessageW(mainDialog_, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

void CMyAppTrayIcon::OnLButtonDblClk(UINT /*id*/, int /*x*/, int /*y*/) {
    SendMessageW(mainDialog_, WM_SHOW_MAIN_WINDOW, 0, 0);
}

}  // namespace veltra
