// A page switch of the main window beside the bare dialog's, both in this process, run in
// the build's bin folder (bench/window-startup):
//   veltra-page-switch-bench.exe
// The clicks and the paints run on the window's own thread, as a user's click is handled:
// measured from another process every WM_PAINT would be sent across and timed instead.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bare_dialog_window.h"
#include "bench_support.h"
#include "core/vt5_record.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/wide.h"
#include "ui/win32/vt5_dialog.h"

namespace {

constexpr int kRounds = 40;
constexpr UINT_PTR kMeasureTimer = 1;

const wchar_t* g_title = nullptr;
double g_switchMs = -1;

// Mean time of a click on the History or the Home tab until every window has painted.
double PageSwitch(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double t0 = NowMs();
    for (int i = 0; i < kRounds; ++i) {
        SendMessageW(GetDlgItem(window, i % 2 == 0 ? 1004 : 1002), BM_CLICK, 0, 0);
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    return (NowMs() - t0) / kRounds;
}

// Fires in the window's modal loop once it is up: measures, then ends the window.
void CALLBACK MeasureOnce(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND window = FindWindowW(nullptr, g_title);
    if (window == nullptr || !IsWindowVisible(window)) return;
    KillTimer(nullptr, timer);
    g_switchMs = PageSwitch(window);
    PostMessageW(window, WM_COMMAND, IDOK, 0);
}

double MainWindowSwitch() {
    veltra::Win32Platform platform;
    veltra::VT5Record vt5;
    vt5.sWorkPath = veltra::FromWide(ExecutableFolder());
    veltra::CVT5Dlg dialog(platform.Get(), vt5, [&](const veltra::MainSetupHooks& hooks) {
        hooks.afterReminderArgument();
        hooks.afterTestModes(veltra::TestModes{});
        return std::optional<veltra::CheckInputs>(veltra::CheckInputs{});
    });
    g_title = L"NORVA Veltra 5";
    SetTimer(nullptr, kMeasureTimer, 50, MeasureOnce);
    dialog.DoModal(nullptr);
    return g_switchMs;
}

double BareDialogSwitch() {
    g_title = L"Bare Dialog";
    SetTimer(nullptr, kMeasureTimer, 50, MeasureOnce);
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), nullptr, BareDialogProc, 0);
    return g_switchMs;
}

}  // namespace

int wmain() {
    const double program = MainWindowSwitch();
    const double bare = BareDialogSwitch();
    std::printf("%-34s %12.2f %12.2f  (target < 16, one frame)\n", "page switch, click to painted", program, bare);
    return 0;
}
