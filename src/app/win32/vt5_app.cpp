#include "app/win32/vt5_app.h"

#include <windows.h>
#include <commctrl.h>

#include "app/main_setup.h"
#include "app/single_instance.h"
#include "hardware/porvik_startup.h"

namespace veltra {

CVT5App::CVT5App(std::u16string commandLine) : commandLine_(std::move(commandLine)) {}

bool CVT5App::InitInstance() {
    Platform& platform = platform_.Get();
    if (!AcquireSingleInstance(platform.mutexes, platform.messageBox)) return false;
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), 0xFF};
    InitCommonControlsEx(&controls);
    driver_ = CreatePorvikDriver(platform, platform.messageBox);
    if (!driver_) return false;
    // The main dialog comes later; until then the program runs the set-up steps that need
    // no window of its own and ends.
    RunMainSetup(platform, vt5_, commandLine_);
    return false;
}

}  // namespace veltra
