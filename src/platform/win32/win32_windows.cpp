#include <windows.h>

#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace veltra {
namespace {

HWND AsHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle AsHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

}  // namespace

WindowHandle Win32Windows::FindTopLevelByTitle(const std::u16string& title) {
    return AsHandle(FindWindowW(nullptr, ToWide(title).c_str()));
}

WindowHandle Win32Windows::FindTopLevelByClass(const std::u16string& className) {
    return AsHandle(FindWindowW(ToWide(className).c_str(), nullptr));
}

void Win32Windows::SetPosition(WindowHandle window, int x, int y, int width, int height) {
    SetWindowPos(AsHwnd(window), nullptr, x, y, width, height, 0);
}

void Win32Windows::SetTitle(WindowHandle window, const std::u16string& title) {
    const std::wstring text = ToWide(title);
    SendMessageW(AsHwnd(window), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

WindowHandle Win32Windows::FirstChild(WindowHandle window) { return AsHandle(GetWindow(AsHwnd(window), GW_CHILD)); }

void Win32Windows::SendChar(WindowHandle window, char16_t unit) {
    if (window != 0) SendMessageW(AsHwnd(window), WM_CHAR, unit, 0);
}

void Win32Windows::PostClose(WindowHandle window) {
    if (window != 0) PostMessageW(AsHwnd(window), WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace veltra
