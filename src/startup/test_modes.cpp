#include "startup/test_modes.h"

#include "platform/message_box.h"
#include "platform/windows.h"

namespace veltra {

TestModes DetectTestModes(IWindows& windows, IMessageBox& messageBox) {
    TestModes modes;
    if (windows.FindTopLevelByTitle(kDebugWindowTitle) != 0) {
        messageBox.Show(u"Veltra now is going into Debug Mode", u"Debug ONLY");
        modes.debug = true;
    }
    if (windows.FindTopLevelByTitle(kDqaTestWindowTitle) != 0) {
        messageBox.Show(u"Veltra now is going into DQA TEST Mode", u"DQA TEST ONLY");
        modes.dqa = true;
    }
    return modes;
}

}  // namespace veltra
