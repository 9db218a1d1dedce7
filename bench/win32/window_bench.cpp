// Start-up and page switch of veltra.exe beside a bare dialog program, under
// Wine, run in the build's bin folder on a prepared machine (bench/window-startup):
//   veltra-window-bench.exe
// Prints one line per measure: the program's figure, the yardstick's, and what they mean.
#include <windows.h>

#include <cstdio>
#include <string>

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

}  // namespace

int wmain() {
    const std::wstring folder = Folder();
    std::printf("%-34s %12s %12s\n", "measure (ms)", "veltra.exe", "bare dialog");
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
