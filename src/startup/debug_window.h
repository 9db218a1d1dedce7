#pragma once
#include <memory>

#include "core/debug_log.h"
#include "platform/windows.h"

namespace veltra {

class IProcessLauncher;
class IClock;

// Types each line into the editor's text area, one character message per code unit,
// then a carriage return.
class EditorWindowSink final : public IDebugSink {
public:
    EditorWindowSink(IWindows& windows, WindowHandle logWindow, WindowHandle logTarget);
    void WriteLine(const std::u16string& line) override;
    WindowHandle LogWindow() const { return logWindow_; }
    WindowHandle LogTarget() const { return logTarget_; }

private:
    IWindows& windows_;
    WindowHandle logWindow_;
    WindowHandle logTarget_;
};

// Starts the editor, retitles and places its window and returns the sink that types into
// it. Without an editor both handles stay null and every line is silently dropped.
std::shared_ptr<EditorWindowSink> OpenDebugWindow(IProcessLauncher& launcher, IWindows& windows, IClock& clock);

}  // namespace veltra
