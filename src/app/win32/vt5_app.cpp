#include "app/win32/vt5_app.h"

#include <windows.h>
#include <commctrl.h>

#include "hardware/bios_startup.h"
#include "hardware/dmi.h"
#include "hardware/pci_walk.h"
#include "hardware/porvik_startup.h"
#include "platform/win32/win32_wmi.h"
#include "startup/hardware_identification.h"
#include "startup/identification_sequence.h"
#include "startup/single_instance.h"
#include "sysinfo/wmi_query.h"
#include "ui/win32/vt5_dialog.h"

namespace veltra {

CVT5App::CVT5App(std::u16string commandLine) : commandLine_(std::move(commandLine)) {}

bool CVT5App::InitInstance() {
    Platform& platform = platform_.Get();
    if (!AcquireSingleInstance(platform.mutexes, platform.messageBox)) return false;
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), 0xFF};
    InitCommonControlsEx(&controls);
    driver_ = CreatePorvikDriver(platform, platform.messageBox);
    if (!driver_) return false;
    CVT5Dlg dialog(platform, vt5_, [this](const MainSetupHooks& hooks) { return Identify(hooks); });
    dialog.DoModal(nullptr);
    return false;
}

std::optional<CheckInputs> CVT5App::Identify(const MainSetupHooks& hooks) {
    Platform& platform = platform_.Get();
    Win32Wmi wmi;
    CWmiQuery query(wmi);
    PciBus pci(*driver_);
    HardwareAccess hardware{pci, query};
    const IdentificationSequenceResult result = RunIdentificationSequence(
        platform, hardware, [&] { return QueryBiosDriver(platform, vt5_.nOS); }, vt5_, commandLine_, hooks);
    if (!result.biosDriverLoaded) return std::nullopt;
    return CheckInputs{result.setup.modes.dqa, IsDmiBiosMajorRelease4(*driver_)};
}

}  // namespace veltra
