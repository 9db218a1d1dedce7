#include "app/win32/vt5_app.h"

#include <windows.h>
#include <commctrl.h>

#include "app/hardware_identification.h"
#include "app/identification_sequence.h"
#include "app/single_instance.h"
#include "hardware/bios_startup.h"
#include "hardware/porvik_startup.h"
#include "platform/win32/win32_wmi.h"
#include "sysinfo/wmi_query.h"

namespace veltra {

CVT5App::CVT5App(std::u16string commandLine) : commandLine_(std::move(commandLine)) {}

bool CVT5App::InitInstance() {
    Platform& platform = platform_.Get();
    if (!AcquireSingleInstance(platform.mutexes, platform.messageBox)) return false;
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), 0xFF};
    InitCommonControlsEx(&controls);
    driver_ = CreatePorvikDriver(platform, platform.messageBox);
    if (!driver_) return false;
    // The main dialog comes later; until then the program runs the identification of its
    // set-up, which needs no window of its own, and ends.
    Win32Wmi wmi;
    CWmiQuery query(wmi);
    HardwareAccess hardware{*driver_, query};
    RunIdentificationSequence(
        platform, hardware, [&] { return QueryBiosDriver(platform, vt5_.nOS); }, vt5_, commandLine_);
    return false;
}

}  // namespace veltra
