#include "schedule/win32/setting_page.h"

#include "core/last_scan.h"
#include "core/calendar.h"
#include "core/vt5_record.h"
#include "ids/bitmaps.h"
#include "ids/setting_page.h"
#include "ids/strings.h"
#include "platform/platform.h"
#include "platform/win32/wide.h"
#include "schedule/win32/list_box_popup.h"
#include "schedule/win32/reminder_prompt.h"

namespace veltra {
namespace {

struct LabelPlace {
    int id;
    int text;
    int x, y, width, height;
    int points;
    COLORREF colour;
};

constexpr LabelPlace kLabels[] = {
    {IDC_SET_TITLE, IDS_REMINDER_SETTING, 120, 40, 300, 30, 12, RGB(255, 255, 255)},
    {IDC_SET_FREQUENCY_LABEL, IDS_FREQUENCY, 120, 150, 100, 20, 10, RGB(0xC8, 0xC8, 0xC8)},
    {IDC_SET_WEEK_LABEL, IDS_WEEK, 120, 185, 100, 20, 10, RGB(0xC8, 0xC8, 0xC8)},
    {IDC_SET_DATE_LABEL, IDS_DATE, 120, 220, 100, 20, 10, RGB(0xC8, 0xC8, 0xC8)},
    {IDC_SET_HINT, IDS_SETTING_HINT, 120, 80, 560, 40, 10, RGB(0xC8, 0xC8, 0xC8)},
    // What Apply stored; empty until then (no string).
    {IDC_SET_STATUS, 0, 120, 258, 560, 20, 10, RGB(0x4F, 0xD1, 0x8B)},
};
constexpr std::size_t kStatus = 5;

constexpr int kChooserIds[] = {IDC_SET_FREQUENCY, IDC_SET_WEEK, IDC_SET_DATE};
constexpr int kChooserY[] = {150, 185, 220};
// The clock thread's alarm, handed to the page's own thread.
constexpr UINT WM_REMINDER_ALARM = WM_APP + 61;

}  // namespace

CPAGE_SETTING::CPAGE_SETTING(Platform& platform, VT5Record& vt5, HWND mainWindow, std::wstring lastScanText)
    : CBitmapDialog(IDD_PAGE_SETTING),
      CAlarmClock(platform.clock),
      platform_(platform),
      vt5_(vt5),
      mainWindow_(mainWindow),
      workPath_(ToWide(vt5.sWorkPath)),
      lastScanText_(std::move(lastScanText)) {}

// The thread must end before the window and the prompt it posts to are gone.
CPAGE_SETTING::~CPAGE_SETTING() { Stop(); }

BOOL CPAGE_SETTING::OnInitDialog() {
    Place(0, 0, 760, 385);
    SetBitmap(workPath_ + L"VT5\\skin\\bg_general.bmp");
    PlaceLabels();
    PlaceChoosers();
    PlaceItem(IDC_SET_ICON, 85, 41, 18, 18);
    const auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VELTRA), IMAGE_ICON, 18, 18, 0));
    SendDlgItemMessageW(Handle(), IDC_SET_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    LoadSchedule();
    return FALSE;
}

void CPAGE_SETTING::PlaceLabels() {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const LabelPlace& place = kLabels[i];
        wchar_t text[160] = L"";
        LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(place.text), text, 160);
        labels_[i].Attach(Handle(), place.id);
        labels_[i].SetTransparent(true).SetTextColor(place.colour).SetFontSize(place.points).SetText(text);
        labels_[i].Place(place.x, place.y, place.width, place.height);
    }
}

void CPAGE_SETTING::PlaceChoosers() {
    for (std::size_t i = 0; i < choosers_.size(); ++i) {
        choosers_[i].Attach(Handle(), kChooserIds[i]);
        choosers_[i].SetSkin(IDB_CHOOSER_NORMAL, IDB_CHOOSER_PRESSED, IDB_CHOOSER_HOVER, IDB_CHOOSER_DISABLED);
        choosers_[i].SetTextColor(RGB(255, 255, 255));
        choosers_[i].Place(240, kChooserY[i], 120, 17);
    }
}

void CPAGE_SETTING::ShowChoosers() {
    // A changed choice is not yet what Apply stored.
    labels_[kStatus].SetText(L"");
    for (std::size_t i = 0; i < choosers_.size(); ++i) {
        const ChooserLook& look = settings_.Look(static_cast<Chooser>(i));
        SetWindowTextW(choosers_[i].Handle(), ToWide(look.text).c_str());
        choosers_[i].Enable(look.enabled);
        choosers_[i].Redraw();
    }
}

std::u16string CPAGE_SETTING::ReminderFile() const { return ReminderPath(vt5_.sWorkPath); }

// The stored schedule, the start-up check, the periodic check's timer and the clock.
void CPAGE_SETTING::LoadSchedule() {
    IClock& clock = platform_.clock;
    settings_.Show(LoadReminder(platform_.fileSystem, ReminderFile(), clock));
    ShowChoosers();
    prompt_ = std::make_unique<CREMINDER>(workPath_, mainWindow_, Handle(), lastScanText_);
    prompt_->Create(nullptr);
    const DateTime now = clock.LocalNow();
    lastRun_.time = ReadLastTime(platform_.fileSystem, LastTimePath(vt5_.sWorkPath), clock.ToSeconds(now));
    const ReminderRecord& record = settings_.Record();
    if (IsReminderDue(clock.ToLocal(lastRun_.time), record, now, lastRun_.due) == 1) {
        prompt_->ShowPrompt();
    } else if (record.frequency != kNever) {
        SetTimer(Handle(), kPeriodicCheckTimer, 10'000, nullptr);
    }
    ApplyToClock(record);
    Start();
}

void CPAGE_SETTING::Save() {
    SaveReminder(platform_.fileSystem, ReminderFile(), settings_.Record(), platform_.clock);
    labels_[kStatus].SetText(ToWide(settings_.Summary()));
}

void CPAGE_SETTING::RestoreDefaults() {
    settings_.Defaults();
    ShowChoosers();
}

void CPAGE_SETTING::OnAlarm() { PostMessageW(Handle(), WM_REMINDER_ALARM, 0, 0); }

bool CPAGE_SETTING::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_CLOSE_LIST: ClosePopup(); return true;
        case WM_SCHEDULE_TO_CLOCK:
        case WM_SCHEDULE_TO_CLOCK_TOO: ApplyToClock(settings_.Record()); return true;
        case WM_NEVER_REMIND: OnNeverRemind(); return true;
        case WM_REMINDER_ALARM: prompt_->ShowPrompt(); return true;
        case WM_TIMER:
            if (wParam != kPeriodicCheckTimer) break;
            OnPeriodicCheck();
            return true;
        case WM_LBUTTONDOWN:
            // A press on the background closes the list and drags the main window.
            ClosePopup();
            ReleaseCapture();
            DragWindowFromPress(mainWindow_, Handle(), lParam);
            return true;
        case WM_WINDOWPOSCHANGED:
            // The list belongs to the page: it must not float over another page.
            if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_HIDEWINDOW) != 0) ClosePopup();
            break;
        case WM_DESTROY: OnDestroy(); break;
        default: break;
    }
    return CBitmapDialog::OnMessage(message, wParam, lParam, result);
}

void CPAGE_SETTING::OnCommand(int id, int code, HWND control) {
    for (std::size_t i = 0; i < choosers_.size(); ++i) {
        if (id == kChooserIds[i] && code == BN_CLICKED) return TogglePopup(static_cast<Chooser>(i));
    }
    CBitmapDialog::OnCommand(id, code, control);
}

void CPAGE_SETTING::TogglePopup(Chooser chooser) {
    if (popup_) return ClosePopup();
    const std::size_t index = static_cast<std::size_t>(chooser);
    popup_ = std::make_unique<CLISTBOX>(chooser, workPath_, [this, chooser](int item) {
        settings_.Select(chooser, item);
        ShowChoosers();
        PostMessageW(Handle(), WM_CLOSE_LIST, 0, 0);
    });
    if (!popup_->Open(Handle(), choosers_[index].Handle())) popup_.reset();
}

void CPAGE_SETTING::ClosePopup() { popup_.reset(); }

HWND CPAGE_SETTING::PopupWindow() const { return popup_ ? popup_->Handle() : nullptr; }

void CPAGE_SETTING::OnPeriodicCheck() {
    if (!IsWindowEnabled(Handle())) return;
    if (!IsPeriodicReminderDue(platform_.clock.LocalNow(), vt5_.tLastScan, settings_.Record())) return;
    prompt_->ShowPrompt();
    KillTimer(Handle(), kPeriodicCheckTimer);
}

// "Never remind me": stored at once, and the clock stops at once too.
void CPAGE_SETTING::OnNeverRemind() {
    KillTimer(Handle(), kPeriodicCheckTimer);
    settings_.Never();
    ShowChoosers();
    Save();
    ApplyToClock(settings_.Record());
}

void CPAGE_SETTING::OnDestroy() {
    Stop();
    ClosePopup();
    const std::int64_t now = platform_.clock.ToSeconds(platform_.clock.LocalNow());
    WriteLastTime(platform_.fileSystem, LastTimePath(vt5_.sWorkPath),
                  LastTimeAtExit(settings_.Record().frequency, lastRun_, now));
    prompt_.reset();
}

}  // namespace veltra
