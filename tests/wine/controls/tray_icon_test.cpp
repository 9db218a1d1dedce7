// The tray icon's records and what its mouse events send to the main window.
#include "schedule/win32/my_app_tray_icon.h"

#include <gmock/gmock.h>

#include <vector>

#include "ids/bitmaps.h"
#include "ids/tray.h"
#include "support/child_process.h"
#include "support/message_log.h"

namespace veltra {
namespace {

using winetest::LoggedMessage;

// What the stand-in main window received of the messages the tray icon sends it.
std::vector<LoggedMessage> seen;
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 5 || message == WM_COMMAND) seen.push_back({message, wParam, lParam});
    return DefWindowProcW(window, message, wParam, lParam);
}

// A hidden top-level window standing for the main window.
HWND CreateRecordingWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &RecordingProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"Veltra.RecordingWindow";
    RegisterClassW(&windowClass);
    return CreateWindowExW(0, windowClass.lpszClassName, L"recording", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           windowClass.hInstance, nullptr);
}

struct ShellCall {
    DWORD command;
    DWORD size;
    UINT id, flags, callback;
    std::wstring tip;
    friend bool operator==(const ShellCall&, const ShellCall&) = default;
};
std::vector<ShellCall> calls;

// Watches what reaches the shell, and lets the shell do it for real.
BOOL RecordingNotify(DWORD command, NOTIFYICONDATAW* data) {
    calls.push_back({command, data->cbSize, data->uID, data->uFlags, data->uCallbackMessage, data->szTip});
    return Shell_NotifyIconW(command, data);
}

HICON AppIcon() { return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VELTRA)); }

TEST(TrayIcon, AddShowAndRemove) {
    calls.clear();
    {
        CMyAppTrayIcon icon(nullptr, &RecordingNotify);
        EXPECT_FALSE(icon.AddIcon(nullptr));
        ASSERT_NE(AppIcon(), nullptr);
        EXPECT_TRUE(icon.AddIcon(AppIcon()));
        EXPECT_TRUE(icon.AddIcon(AppIcon()));
        EXPECT_EQ(icon.IconCount(), 1u);
        EXPECT_TRUE(icon.ShowIcon());
        EXPECT_TRUE(icon.ShowIcon());
    }
    const DWORD size = sizeof(void*) == 8 ? 952 : 936;  // the version-2 record of each word size
    const std::vector<ShellCall> expected = {
        {NIM_ADD, size, 1, 7, 0x401, L"NORVA Veltra 5"},
        {NIM_MODIFY, size, 1, 7, 0x401, L"NORVA Veltra 5"},
        {NIM_DELETE, size, 1, 0, 0x401, L"NORVA Veltra 5"},
    };
    EXPECT_EQ(calls, expected);
}

// Chooses a menu item by keyboard once the tray menu is open.
UINT menuKeys = 0;
void CALLBACK ChooseFromMenu(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    for (UINT i = 0; i < menuKeys; ++i) PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
}

TEST(TrayIcon, MouseEventsReachTheMainWindow) {
    struct Case {
        const char* name;
        UINT mouse;
        UINT keys;  // menu items to move down before Enter
        std::vector<LoggedMessage> seen;
    };
    const Case cases[] = {
        {"menu: Restore", WM_RBUTTONDOWN, 1, {{WM_COMMAND, ID_SYSTRAY_RESTORE, 0}}},
        {"menu: Exit", WM_RBUTTONDOWN, 2, {{WM_COMMAND, ID_SYSTRAY_EXIT, 0}}},
        {"left click", WM_LBUTTONDOWN, 0, {}},
    };
    HWND main = CreateRecordingWindow();
    for (const Case& c : cases) {
        seen.clear();
        CMyAppTrayIcon icon(main, &RecordingNotify);
        if (c.mouse == WM_RBUTTONDOWN) {
            menuKeys = c.keys;
            SetTimer(main, 1, 200, &ChooseFromMenu);
        }
        SendMessageW(icon.Window(), CSysTrayIcon::kCallbackMessage, CSysTrayIcon::kIconId, c.mouse);
        winetest::PumpUntil([] { return !seen.empty(); }, c.seen.empty() ? 200 : 5000);
        EXPECT_EQ(seen, c.seen) << c.name;
    }
    DestroyWindow(main);
}

}  // namespace
}  // namespace veltra
