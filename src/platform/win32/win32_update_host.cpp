#include <windows.h>

#include "platform/win32/win32_update_host.h"

#include "platform/win32/wide.h"

namespace veltra {
namespace {

constexpr unsigned kStarted = 33;
constexpr unsigned kOtherFailure = 1;

unsigned WinExecCode(DWORD error) {
    switch (error) {
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY: return 0;
        case ERROR_FILE_NOT_FOUND: return ERROR_FILE_NOT_FOUND;
        case ERROR_PATH_NOT_FOUND: return ERROR_PATH_NOT_FOUND;
        case ERROR_BAD_FORMAT:
        case ERROR_BAD_EXE_FORMAT: return ERROR_BAD_FORMAT;
        default: return kOtherFailure;
    }
}

}  // namespace

unsigned Win32ProgramStarter::Start(const std::u16string& commandLine) {
    std::wstring line = ToWide(commandLine);  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return WinExecCode(GetLastError());
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return kStarted;
}

void Win32MessagePump::PumpUntil(const std::function<bool()>& done) {
    while (!done()) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
            if (done()) return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
    }
}

}  // namespace veltra
