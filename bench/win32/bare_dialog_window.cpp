#include "bare_dialog_window.h"

namespace {

constexpr int kPages = 5;
HWND g_pages[kPages] = {};

}  // namespace

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowPos(dialog, nullptr, 132, 88, 760, 560, SWP_NOZORDER);
        SetWindowTextW(dialog, L"Bare Dialog");
        for (int i = 0; i < kPages; ++i) {
            CreateWindowExW(0, L"BUTTON", L"Tab", WS_CHILD | WS_VISIBLE, 12 + 147 * i, 62, 147, 36, dialog,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(1002 + i)), nullptr, nullptr);
            g_pages[i] = CreateWindowExW(0, L"STATIC", L"Page", WS_CHILD | (i == 0 ? WS_VISIBLE : 0), 0, 99, 760, 385,
                                         dialog, nullptr, nullptr, nullptr);
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, 0);
        } else if (LOWORD(wParam) >= 1002 && LOWORD(wParam) < 1002 + kPages) {
            for (int i = 0; i < kPages; ++i) ShowWindow(g_pages[i], i == LOWORD(wParam) - 1002 ? SW_SHOW : SW_HIDE);
        }
        return TRUE;
    default: return FALSE;
    }
}
