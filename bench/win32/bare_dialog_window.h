#pragma once
#include <windows.h>

// The yardstick of the window benchmarks: a bare dialog of the main window's size with five
// buttons (1002-1006) that switch between plain child windows, nothing skinned or shaped.
// Dialog resource 1 of bare_dialog.rc.
INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
