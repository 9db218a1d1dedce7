#pragma once
#include "schedule/win32/sys_tray_icon.h"

namespace veltra {

// What the main window answers by coming back (restored, in front).
constexpr UINT WM_SHOW_MAIN_WINDOW = WM_USER + 5;

// The program's icon: the right button opens the Restore/Exit menu for the main window,
// a double click asks the main window to come back.
class CMyAppTrayIcon : public CSysTrayIcon {
public:
    explicit CMyAppTrayIcon(HWND mainDialog, NotifyFunction notify = &ShellNotify);

    void OnRButtonDown(UINT id, int x, int y) override;
    void OnLButtonDblClk(UINT id, int x, int y) override;

private:
    HWND mainDialog_;
};

}  // namespace veltra
