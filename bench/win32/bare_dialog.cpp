// The yardstick program of bench/window-startup: the bare dialog alone.
#include <windows.h>

#include "bare_dialog_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(1), nullptr, BareDialogProc, 0));
}
