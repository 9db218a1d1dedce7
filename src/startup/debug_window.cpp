#include "startup/debug_window.h"

#include "platform/clock.h"
#include "platform/process_launcher.h"

namespace veltra {
namespace {
constexpr unsigned kEditorStartLimitMs = 10000;
constexpr unsigned kPollMs = 50;
}  // namespace

EditorWindowSink::EditorWindowSink(IWindows& windows, WindowHandle logWindow, WindowHandle logTarget)
    : windows_(windows), logWindow_(logWindow), logTarget_(logTarget) {}

void EditorWindowSink::WriteLine(const std::u16string& line) {
    for (char16_t unit : line) windows_.SendChar(logTarget_, unit);
    windows_.SendChar(logTarget_, u'\r');
}

std::shared_ptr<EditorWindowSink> OpenDebugWindow(IProcessLauncher& launcher, IWindows& windows, IClock& clock) {
    constexpr char16_t kLogTitle[] = u"Veltra 5 Debug Message";
    launcher.Start(u"notepad.exe");
    // The editor gets 300 ms, and more while it is still starting on a busy machine.
    clock.SleepMilliseconds(300);
    WindowHandle editor = windows.FindTopLevelByClass(u"Notepad");
    for (unsigned waited = 300; editor == 0 && waited < kEditorStartLimitMs; waited += kPollMs) {
        clock.SleepMilliseconds(kPollMs);
        editor = windows.FindTopLevelByClass(u"Notepad");
    }
    WindowHandle logWindow = 0;
    WindowHandle logTarget = 0;
    if (editor != 0) {
        windows.SetPosition(editor, 100, 350, 1000, 500);
        windows.SetTitle(editor, kLogTitle);
        logWindow = windows.FindTopLevelByTitle(kLogTitle);
        clock.SleepMilliseconds(500);
        logTarget = windows.FirstChild(logWindow);
    }
    return std::make_shared<EditorWindowSink>(windows, logWindow, logTarget);
}

}  // namespace veltra
