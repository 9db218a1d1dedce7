#pragma once
#include <string>

#include "controls/win32/bitmap_dialog.h"
#include "controls/win32/label.h"
#include "controls/win32/skin_button.h"
#include "schedule/reminder_slide.h"

namespace veltra {

constexpr UINT WM_STOP_PROMPT = WM_USER + 28;
constexpr UINT WM_NEVER_REMIND = WM_USER + 29;
constexpr UINT WM_SCAN_NOW = WM_USER + 30;

// The reminder prompt: slides up from the bottom right corner of the screen, asks whether
// to scan, slides away and returns as its buttons say. "Yes" asks the main window to scan,
// "Never remind me" asks the Setting page to store "never".
class CREMINDER final : public CBitmapDialog {
public:
    CREMINDER(std::wstring workPath, HWND mainWindow, HWND settingPage, std::wstring lastScanText);

    // Starts the slide in half a second; the window waits below the screen's edge.
    void ShowPrompt();
    // Below the screen's edge, hidden and without timers.
    void StopAndHide();
    void SetLastScanText(const std::wstring& text);

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnCommand(int id, int code, HWND control) override;
    void OnOK() override { Answer(PromptAnswer::Close); }
    void OnCancel() override {}

private:
    void OnSlideTimer(unsigned timer);
    void Answer(PromptAnswer answer);
    void StopTimers();
    int Left() const;

    std::wstring workPath_;
    HWND mainWindow_;
    HWND settingPage_;
    std::wstring lastScanText_;
    ReminderSlide slide_;
    CLabel text_;
    CxSkinButton close_, yes_, no_, later_, never_;
};

}  // namespace veltra
