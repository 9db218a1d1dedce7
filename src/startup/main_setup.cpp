#include "startup/main_setup.h"

#include "core/debug_log.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "platform/platform.h"
#include "startup/debug_window.h"
#include "startup/startup_identification.h"

namespace veltra {

bool IsReminderStart(const std::u16string& commandLine) { return ToUpperAscii(commandLine) == u"/REMINDER"; }

MainSetupResult RunMainSetup(Platform& platform, VT5Record& vt5, const std::u16string& commandLine,
                             const MainSetupHooks& hooks) {
    MainSetupResult result;
    vt5.bReminderStart = IsReminderStart(commandLine) ? 1 : 0;
    if (hooks.afterReminderArgument) hooks.afterReminderArgument();
    result.modes = DetectTestModes(platform.windows, platform.messageBox);
    if (hooks.afterTestModes) hooks.afterTestModes(result.modes);
    if (result.modes.debug) {
        ProcessDebugLog().Enable(OpenDebugWindow(platform.launcher, platform.windows, platform.clock),
                                 &platform.codePage);
        DebugLog(u"Programe start and Debug message is open!!");
    }
    result.identified = RunStartupIdentification(platform, vt5, std::nullopt);
    if (!result.identified) {
        // A cut executable path would put every record file in the wrong folder.
        platform.messageBox.Show(u"Veltra 5 can not run from a folder path longer than 255 characters.", u"Veltra 5");
    }
    return result;
}

}  // namespace veltra
