// Start-up, page switch and window shape of veltra.exe beside a bare dialog program, under
// Wine, run in the build's bin folder on a prepared machine (bench/window-startup):
//   veltra-window-bench.exe
// Prints one line per measure: the program's figure, the yardstick's, and what they mean.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "controls/win32/bitmap_dialog.h"

namespace {

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::wstring Folder() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

struct Started {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    double visibleMs = -1;
    double paintedMs = -1;
};

// Process start to its titled window visible, then to its first paint done.
Started Start(const std::wstring& commandLine, const wchar_t* title) {
    Started started;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring line = commandLine;
    const double t0 = Now();
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started.process))
        return started;
    while (Now() - t0 < 60000) {
        started.window = FindWindowW(nullptr, title);
        if (started.window != nullptr && IsWindowVisible(started.window)) break;
        Sleep(1);
    }
    started.visibleMs = Now() - t0;
    RedrawWindow(started.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    started.paintedMs = Now() - t0;
    return started;
}

// Mean time of a tab click until the window has painted the new page.
double PageSwitch(HWND window, int rounds) {
    const double t0 = Now();
    for (int i = 0; i < rounds; ++i) {
        const int tab = i % 2 == 0 ? 1004 : 1002;
        SendMessageW(GetDlgItem(window, tab), BM_CLICK, 0, 0);
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    return (Now() - t0) / rounds;
}

void End(Started& started) {
    PostMessageW(started.window, WM_COMMAND, IDOK, 0);
    if (WaitForSingleObject(started.process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(started.process.hProcess, 1);
    CloseHandle(started.process.hProcess);
    CloseHandle(started.process.hThread);
}

double IdentifyMs(const std::wstring& folder) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring line = L"\"" + folder + L"veltra-cli.exe\" identify";
    const double t0 = Now();
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return Now() - t0;
}

// The classic way to shape a window: one pixel read and one region merge per run.
HRGN PixelByPixelRegion(HBITMAP bitmap, COLORREF key) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof(info), &info);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < info.bmHeight; ++y) {
        for (int x = 0; x < info.bmWidth;) {
            while (x < info.bmWidth && GetPixel(dc, x, y) == key) ++x;
            const int start = x;
            while (x < info.bmWidth && GetPixel(dc, x, y) != key) ++x;
            if (x > start) {
                HRGN run = CreateRectRgn(start, y, x, y + 1);
                CombineRgn(region, region, run, RGN_OR);
                DeleteObject(run);
            }
        }
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return region;
}

template <typename Build>
double ShapeMs(HBITMAP bitmap, Build build) {
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        const double t0 = Now();
        HRGN region = build(bitmap, RGB(255, 0, 0));
        times.push_back(Now() - t0);
        DeleteObject(region);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int wmain() {
    const std::wstring folder = Folder();
    std::printf("%-34s %12s %12s\n", "measure (ms)", "veltra.exe", "bare dialog");
    HBITMAP background = static_cast<HBITMAP>(
        LoadImageW(nullptr, (folder + L"VT5\\skin\\MBG.bmp").c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (background != nullptr) {
        std::printf("%-34s %12.1f %12.1f  (target < 20; yardstick: GetPixel per pixel)\n", "shape of the 760x560 background",
                    ShapeMs(background, veltra::KeyColourRegion), ShapeMs(background, PixelByPixelRegion));
        DeleteObject(background);
    }
    const double identify = IdentifyMs(folder);
    Started program = Start(L"\"" + folder + L"veltra.exe\"", L"NORVA Veltra 5");
    Started bare = Start(L"\"" + folder + L"veltra-bare-dialog.exe\"", L"Bare Dialog");
    std::printf("%-34s %12.1f %12.1f\n", "process start to window visible", program.visibleMs, bare.visibleMs);
    std::printf("%-34s %12.1f %12.1f  (target < 300 + identification %.1f)\n", "process start to window painted",
                program.paintedMs, bare.paintedMs, identify);
    if (program.window != nullptr && bare.window != nullptr) {
        std::printf("%-34s %12.2f %12.2f  (target < 16, one frame)\n", "page switch, click to painted",
                    PageSwitch(program.window, 40), PageSwitch(bare.window, 40));
    }
    End(program);
    End(bare);
    return 0;
}
