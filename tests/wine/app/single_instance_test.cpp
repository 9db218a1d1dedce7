#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/child_process.h"
#include "support/program_machine.h"
#include "support/test_window.h"

namespace veltra {
namespace {

using namespace winetest;

// A started copy of the program, killed if it still runs when the test ends.
class ChildProcess {
public:
    explicit ChildProcess(std::wstring commandLine) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_))
            process_ = {};
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() {
        if (process_.hProcess == nullptr) return;
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    bool Started() const { return process_.hProcess != nullptr; }
    DWORD Id() const { return process_.dwProcessId; }
    // The exit code, or STILL_ACTIVE when it has not ended within timeoutMs.
    DWORD Wait(DWORD timeoutMs) {
        DWORD exitCode = STILL_ACTIVE;
        if (WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process_.hProcess, &exitCode);
        return exitCode;
    }

private:
    PROCESS_INFORMATION process_{};
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM found) {
    auto& [process, windows] = *reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(found);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process && IsWindowVisible(window)) windows.push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleWindowsOf(DWORD process) {
    std::pair<DWORD, std::vector<HWND>> search{process, {}};
    EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

// A message box's text is its static control 0xFFFF (asked for, as it is another process's).
std::wstring BoxText(HWND box) {
    wchar_t text[256] = L"";
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    return text;
}

// With the DQA switch window present, the copy that wins the mutex stops at its mode
// message and keeps the mutex while the other copy reaches the single-instance check.
TEST(SingleInstance, TwoRacingCopiesLeaveExactlyOneRefusal) {
    const ProgramMachine machine(L"demo-pc");
    HWND dqaSwitch = CreateWindowExW(0, L"STATIC", L"Veltra DQA TEST", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                                     nullptr, nullptr, nullptr);
    ChildProcess first(machine.Program(L"veltra.exe")), second(machine.Program(L"veltra.exe"));
    ASSERT_TRUE(first.Started() && second.Started());
    HWND winnerBox = nullptr, loserBox = nullptr;
    DWORD loserId = 0;
    const bool bothShown = PumpUntil(
        [&] {
            winnerBox = loserBox = nullptr;
            for (const ChildProcess* child : {&first, &second}) {
                for (HWND window : VisibleWindowsOf(child->Id())) {
                    if (WindowText(window) == L"DQA TEST ONLY") winnerBox = window;
                    if (WindowText(window) == L"Veltra 5") std::tie(loserBox, loserId) = std::pair(window, child->Id());
                }
            }
            return winnerBox != nullptr && loserBox != nullptr;
        },
        20000);
    ASSERT_TRUE(bothShown) << "expected the mode message of one copy and the refusal of the other";
    EXPECT_EQ(BoxText(winnerBox), L"Veltra now is going into DQA TEST Mode");
    EXPECT_THAT(BoxText(loserBox), ::testing::AnyOf(L"Veltra 5 already running.", L"Veltra 5 is already running."));
    EXPECT_EQ(VisibleWindowsOf(loserId).size(), 1u) << "the refused copy shows nothing but its message";

    PostMessageW(loserBox, WM_COMMAND, IDOK, 0);
    ChildProcess& loser = first.Id() == loserId ? first : second;
    ChildProcess& winner = first.Id() == loserId ? second : first;
    EXPECT_EQ(loser.Wait(10000), 0u);
    PostMessageW(winnerBox, WM_COMMAND, IDOK, 0);
    HWND main = nullptr;
    ASSERT_TRUE(PumpUntil([&] {
        for (HWND window : VisibleWindowsOf(winner.Id()))
            if (WindowText(window) == L"NORVA Veltra 5") main = window;
        return main != nullptr;
    }, 30000));
    EndMainWindow(main);
    EXPECT_EQ(winner.Wait(10000), 0u);
    DestroyWindow(dqaSwitch);
}

}  // namespace
}  // namespace veltra
