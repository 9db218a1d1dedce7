#pragma once
#include <array>
#include <memory>
#include <string>

#include "controls/win32/bitmap_dialog.h"
#include "controls/win32/label.h"
#include "controls/win32/skin_button.h"
#include "schedule/alarm_clock.h"
#include "schedule/reminder_due.h"
#include "schedule/reminder_settings.h"

namespace veltra {

class CLISTBOX;
class CREMINDER;
struct Platform;
struct VT5Record;

constexpr UINT WM_CLOSE_LIST = WM_USER + 23;
constexpr UINT WM_SCHEDULE_TO_CLOCK = WM_USER + 26;
constexpr UINT WM_SCHEDULE_TO_CLOCK_TOO = WM_USER + 27;
constexpr UINT_PTR kPeriodicCheckTimer = 888;

// The Setting page: the reminder schedule's three choosers over its background, the
// start-up and periodic due checks, the clock thread and the prompt they show.
class CPAGE_SETTING final : public CBitmapDialog, public CAlarmClock {
public:
    CPAGE_SETTING(Platform& platform, VT5Record& vt5, HWND mainWindow, std::wstring lastScanText);
    ~CPAGE_SETTING() override;

    CREMINDER& Prompt() { return *prompt_; }
    // Apply: the page's schedule into "Reminder.rec".
    void Save();
    void RestoreDefaults();
    // The chooser's list, or null while none is open.
    HWND PopupWindow() const;

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnCommand(int id, int code, HWND control) override;
    void OnCancel() override {}
    // On the clock thread: the prompt is shown from the window's own thread.
    void OnAlarm() override;

private:
    void PlaceLabels();
    void PlaceChoosers();
    void ShowChoosers();
    void LoadSchedule();
    void TogglePopup(Chooser chooser);
    void ClosePopup();
    void OnPeriodicCheck();
    void OnNeverRemind();
    void OnDestroy();
    std::u16string ReminderFile() const;

    Platform& platform_;
    VT5Record& vt5_;
    HWND mainWindow_;
    std::wstring workPath_;
    std::wstring lastScanText_;
    std::array<CLabel, 6> labels_;
    std::array<CxSkinButton, 3> choosers_;
    ReminderSettings settings_;
    LastRun lastRun_;
    std::unique_ptr<CLISTBOX> popup_;
    std::unique_ptr<CREMINDER> prompt_;
};

}  // namespace veltra
