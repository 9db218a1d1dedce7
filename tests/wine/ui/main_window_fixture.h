#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/vt5_record.h"
#include "fakes/recording_debug_sink.h"
#include "platform/win32/win32_platform.h"
#include "support/child_process.h"
#include "support/source_tree.h"
#include "ui/win32/vt5_dialog.h"

namespace veltra::winetest {

// The real main window from the program's resources on a work folder of its own, run
// modally on the test's thread while a second thread drives it as a user would.
class MainWindowRun {
public:
    // A work folder with the skin and `results` update rows in "CheckList.rec".
    explicit MainWindowRun(int results, bool reminderStart = false);

    // Runs the window until it ends; `drive` runs on another thread meanwhile and should
    // end it (EndMainWindow).
    void Run(const std::function<void(MainWindowRun&)>& drive);

    HWND Main() const { return main_; }
    HWND PageOf(veltra::Page page) const { return dialog_->PageWindow(page); }
    HWND Item(veltra::Page page, int id) const { return GetDlgItem(PageOf(page), id); }
    std::vector<std::string> TakeLines() { return capture_.TakeTexts(); }
    const std::wstring& WorkFolder() const { return work_.Path(); }

private:
    ScratchFolder work_{UniqueTempPath(L"veltra-ui-")};
    Win32Platform platform_;
    VT5Record vt5_;
    fakes::ScopedDebugCapture capture_;
    std::unique_ptr<CVT5Dlg> dialog_;
    HWND main_ = nullptr;
    bool reminderStart_;
};

// Presses a button as a click does (BM_CLICK) and waits until the window has handled it.
void Click(HWND button);
// Ends the main window as a user does: the exit button, then OK in the exit question.
void EndMainWindow(HWND main);
// A visible top-level window of the main window's thread holding the control `id`, or null.
HWND WindowWith(HWND main, int id);
// The texts of the visible labels and buttons in `window` that do not fit their boxes at the
// font they are drawn in: labels as they break into lines, captions on one line.
std::vector<std::string> CutTexts(HWND window);

}  // namespace veltra::winetest
