#include <windows.h>

#include "platform/win32/win32_update_host.h"

namespace veltra {

unsigned Win32ProgramStarter::Exec(const ExecBuffer& commandLine) {
    return WinExec(commandLine.data(), SW_SHOWNORMAL);
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
