#pragma once
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "controls/win32/echo_progress_bar.h"
#include "controls/win32/label.h"
#include "controls/win32/skin_button.h"
#include "update_pages/page_views.h"
#include "update_pages/update_page.h"
#include "update_pages/win32/list_page_window.h"

namespace veltra {

// What the update page asks of the windows around it.
class IUpdatePageHost {
public:
    virtual ~IUpdatePageHost() = default;
    // The main window's Scan and Download buttons.
    virtual void EnableScanButtons(bool enabled) = 0;
    // The Home page's "Attention required" and "Last Scan" values.
    virtual void ShowUpdateCount(const std::u16string& count) = 0;
    virtual void ShowLastScan(const std::u16string& text) = 0;
    virtual void PostHistoryRefresh() = 0;
    // The main window's mark of the update server.
    virtual void ShowServerReached(bool reached) = 0;
};

// Posted by the main window: start a scan, download the ticked items.
constexpr UINT WM_START_SCAN = WM_USER + 20;
constexpr UINT WM_START_DOWNLOAD = WM_USER + 21;

// The update page's window: scan options, the six-row result list, the progress view and
// the information panel, shown as its controller asks.
class CPAGE_VELTRA final : public CListPage<IUpdatePageView> {
public:
    CPAGE_VELTRA(UpdatePageServices services, IUpdatePageHost& host);
    UpdatePage& Page() { return page_; }

    // IUpdatePageView
    void SetRowTicked(int row, bool ticked) override { grid_.SetRowTicked(row, ticked); }
    void SetProgressBar(int percent) override;
    void SetProgressText(const std::u16string& text) override;
    void SetStatusText(const std::u16string& text) override;
    void ShowProgressArea(ProgressPlace place) override;
    void HideProgressArea() override;
    void ShowListArea(bool show) override;
    void ShowInformationPanel(bool show) override;
    void ShowScanOptions(const ScanOptions& options, bool enabled) override;
    void SetUpdateCount(const std::u16string& count) override { host_.ShowUpdateCount(count); }
    void ShowLastScan(const std::u16string& text) override { host_.ShowLastScan(text); }
    void PostHistoryRefresh() override { host_.PostHistoryRefresh(); }
    bool ChooseSaveFolder(std::u16string& folder) override;
    void ShowServerReached(bool reached) override { host_.ShowServerReached(reached); }

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // The arrow keys move the information panel, unless the list has the focus.
    bool PreTranslateMessage(const MSG& message) override;
    void OnCommand(int id, int code, HWND control) override;
    // Enter: the checks again, but not in the middle of a transfer.
    void OnOK() override {
        if (!page_.Engine().Busy()) page_.RerunChecks();
    }
    void OnListScroll(int code, int position) override { page_.OnVScroll(code, position); }

private:
    void SetUpOptions();
    void SetUpTooltip();
    void OnListCommand(int id);

    IUpdatePageHost& host_;
    UpdatePage page_;
    CxSkinButton manual_, automatic_;
    std::array<CxSkinButton, 7> boxes_;
    std::array<CLabel, 8> optionLabels_;
    CEchoProgressBar progress_;
    CLabel status_, progressText_;
    HWND tooltip_ = nullptr;
};

}  // namespace veltra
