#include "schedule/win32/reminder_prompt.h"

#include <utility>

#include "ids/bitmaps.h"
#include "ids/reminder.h"

namespace veltra {

CREMINDER::CREMINDER(std::wstring workPath, HWND mainWindow, HWND settingPage, std::wstring lastScanText)
    : CBitmapDialog(IDD_REMINDER),
      workPath_(std::move(workPath)),
      mainWindow_(mainWindow),
      settingPage_(settingPage),
      lastScanText_(std::move(lastScanText)),
      slide_(GetSystemMetrics(SM_CYSCREEN)) {}

int CREMINDER::Left() const { return GetSystemMetrics(SM_CXSCREEN) - kPromptWidth - 30; }

BOOL CREMINDER::OnInitDialog() {
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    Place(Left(), GetSystemMetrics(SM_CYSCREEN), kPromptWidth, kPromptHeight);
    SetBitmap(workPath_ + L"VT5\\skin\\reminder_bg.bmp");
    text_.Attach(Handle(), IDC_REM_TEXT);
    // Three lines of the font in use fit above the buttons: the question wraps once.
    text_.Place(12, 32, 262, 46);
    text_.SetTransparent(true).SetTextColor(RGB(230, 232, 238)).SetFontName(L"Arial").SetFontSize(9);
    text_.SetText(lastScanText_);
    close_.Attach(Handle(), IDOK);
    close_.SetSkin(IDB_CLOSE_NORMAL, IDB_CLOSE_PRESSED, IDB_CLOSE_HOVER, 0);
    close_.Place(kPromptWidth - 26, 8, 18, 18);
    struct ButtonPlace {
        CxSkinButton& button;
        int id, x, y, width;
    };
    // The two longer answers take the width of the row, on their own wider pictures.
    for (const ButtonPlace& place : {ButtonPlace{yes_, IDC_REM_YES, 40, 80, 80}, ButtonPlace{no_, IDC_REM_NO, 166, 80, 80},
                                     ButtonPlace{later_, IDC_REM_LATER, 14, 108, 124},
                                     ButtonPlace{never_, IDC_REM_NEVER, 148, 108, 124}}) {
        place.button.Attach(Handle(), place.id);
        if (place.width == 80) {
            place.button.SetSkin(IDB_SMALL_NORMAL, IDB_SMALL_PRESSED, IDB_SMALL_HOVER, 0);
        } else {
            place.button.SetSkin(IDB_ANSWER_NORMAL, IDB_ANSWER_PRESSED, IDB_ANSWER_HOVER, 0);
        }
        place.button.SetTextColor(RGB(255, 255, 255));
        place.button.Place(place.x, place.y, place.width, 24);
    }
    return FALSE;
}

void CREMINDER::ShowPrompt() {
    SetTimer(Handle(), kPromptStart, 500, nullptr);
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
}

void CREMINDER::StopAndHide() {
    SetWindowPos(Handle(), nullptr, Left(), GetSystemMetrics(SM_CYSCREEN), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(Handle(), SW_HIDE);
    StopTimers();
}

void CREMINDER::SetLastScanText(const std::wstring& text) {
    lastScanText_ = text;
    if (Handle() != nullptr) text_.SetText(text);
}

void CREMINDER::StopTimers() {
    for (unsigned timer : {kPromptStart, kPromptSlideUp, kPromptStay, kPromptSlideDown}) KillTimer(Handle(), timer);
}

bool CREMINDER::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_TIMER) {
        OnSlideTimer(static_cast<unsigned>(wParam));
        result = 0;
        return true;
    }
    if (message == WM_STOP_PROMPT) {
        StopTimers();
        result = 0;
        return true;
    }
    return CBitmapDialog::OnMessage(message, wParam, lParam, result);
}

void CREMINDER::OnSlideTimer(unsigned timer) {
    KillTimer(Handle(), timer);
    const SlideStep step = slide_.OnTimer(timer);
    if (step.show) ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    if (step.moveToY) SetWindowPos(Handle(), nullptr, Left(), *step.moveToY, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (step.bringToTop) SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    if (step.nextTimer != 0) SetTimer(Handle(), step.nextTimer, step.period, nullptr);
}

void CREMINDER::OnCommand(int id, int code, HWND control) {
    switch (id) {
        case IDC_REM_YES: return Answer(PromptAnswer::Yes);
        case IDC_REM_NO: return Answer(PromptAnswer::No);
        case IDC_REM_LATER: return Answer(PromptAnswer::Later);
        case IDC_REM_NEVER: return Answer(PromptAnswer::Never);
        default: return CBitmapDialog::OnCommand(id, code, control);
    }
}

void CREMINDER::Answer(PromptAnswer answer) {
    StopAndHide();
    if (const std::optional<unsigned> again = ReturnAfter(answer)) SetTimer(Handle(), kPromptStart, *again, nullptr);
    if (answer == PromptAnswer::Yes) SendMessageW(mainWindow_, WM_SCAN_NOW, 0, 0);
    if (answer == PromptAnswer::Never) SendMessageW(settingPage_, WM_NEVER_REMIND, 0, 0);
}

}  // namespace veltra
