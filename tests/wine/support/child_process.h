#pragma once
#include <windows.h>

#include <algorithm>
#include <string>

namespace veltra::winetest {

// The folder of the running test program (with its trailing backslash), where the
// programs under test and their work folder are.
std::wstring ProgramFolder();

struct ChildResult {
    DWORD exitCode = STILL_ACTIVE;
    std::string output;  // standard output
    std::string errors;  // standard error
    bool timedOut = false;
};

// Runs a command line to its end (at most timeoutMs, then it is killed) and collects its output.
ChildResult RunChild(const std::wstring& commandLine, DWORD timeoutMs = 30000);

// Pumps this thread's messages until the condition holds or the time is up.
template <typename Condition>
bool PumpUntil(Condition condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!condition()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 20)),
                                  QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    return true;
}

}  // namespace veltra::winetest
