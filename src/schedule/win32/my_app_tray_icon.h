#pragma once
#include "schedule/win32/sys_tray_icon.h"

namespace veltra {

// The program's icon: the right button opens the Restore/Exit menu for the main window,
// a double click asks the main window to come back.
class CMyAppTrayIcon : public CSysTrayIcon {
public:
    static constexpr UINT kShowMainWindow = WM_USER + 5;

    explicit CMyAppTrayIcon(HWND mainDialog, NotifyFunction notify = &ShellNotify);

    void OnRButtonDown(UINT id, int x, int y) override;
    void OnLButtonDblClk(UINT id, int x, int y) override;

private:
    HWND mainDialog_;
};

}  // namespace veltra
