#pragma once
#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "catalogue/check_context.h"
#include "controls/win32/bitmap_dialog.h"
#include "controls/win32/label.h"
#include "controls/win32/skin_button.h"
#include "schedule/win32/reminder_prompt.h"
#include "startup/main_setup.h"
#include "ui/main_dialog.h"
#include "update_pages/win32/update_page_window.h"

namespace veltra {

class CMyAppTrayIcon;
class CPAGE_ABOUT;
class CPAGE_HISTORY;
class CPAGE_HOME;
class CPAGE_SETTING;
struct PageServices;
struct Platform;
struct VT5Record;

// The reminder's timer on the main window.
constexpr UINT_PTR kReminderTimer = 555;

// The set-up's identification of the machine (the dual-BIOS check to the video BIOS), with
// the window's own steps as hooks; what the checks read, or nothing when the program must end.
using IdentifyMachine = std::function<std::optional<CheckInputs>(const MainSetupHooks&)>;

// The program's main window: tabs, pages, action buttons, the tray icon and the exit.
class CVT5Dlg final : public CBitmapDialog, private IMainDialogView, private IUpdatePageHost {
public:
    CVT5Dlg(Platform& platform, VT5Record& vt5, IdentifyMachine identify);
    ~CVT5Dlg() override;

    HWND PageWindow(Page page) const;

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnCommand(int id, int code, HWND control) override;
    // Esc stops a running scan or download, whichever page is shown.
    void OnCancel() override;

private:
    void OnSetIcon();
    void MakeTabStop(Page page);
    void OnTestModes(const TestModes& modes);
    void SetBackground();
    void SetUpPages(CheckInputs inputs);
    void SetUpButtons();
    void SetUpServerStatus();
    void CreatePages(CheckInputs inputs);
    void StartInTray();
    void ShowMainWindow();
    void ConfirmedExit();
    void OnEnter();
    void OnDownloadButton();
    void CloseSettingList();
    void OnScanNow();
    bool PaintMinimised();

    // IMainDialogView
    void ShowPageWindow(Page page, bool show) override;
    void SetTabPressed(Page page) override;
    void ShowSettingButtons(bool show) override;
    void FocusPageList(Page page) override;
    void PostStartScan() override;
    void PostStartDownload() override;
    void StopReminderPrompt() override;
    void SaveSchedule() override;
    void ApplyScheduleToClock() override;
    void RestoreDefaultSchedule() override;
    // IUpdatePageHost
    void EnableScanButtons(bool enabled) override;
    void ShowServerReached(bool reached) override;
    void ShowUpdateCount(const std::u16string& count) override;
    void ShowLastScan(const std::u16string& text) override;
    void PostHistoryRefresh() override;

    Platform& platform_;
    VT5Record& vt5_;
    IdentifyMachine identify_;
    MainDialog model_{*this};
    HICON icon_ = nullptr;
    std::array<CxSkinButton, kPageCount> tabs_;
    CxSkinButton hide_, exit_, apply_, default_, scan_, download_;
    CLabel notice_;
    CLabel serverText_;  // beside a red mark over the footer's service mark while the server is not reached
    std::unique_ptr<PageServices> services_;
    std::unique_ptr<CPAGE_HOME> home_;
    std::unique_ptr<CPAGE_VELTRA> update_;
    std::unique_ptr<CPAGE_HISTORY> history_;
    std::unique_ptr<CPAGE_SETTING> setting_;
    std::unique_ptr<CPAGE_ABOUT> about_;
    std::unique_ptr<CMyAppTrayIcon> tray_;
};

}  // namespace veltra
