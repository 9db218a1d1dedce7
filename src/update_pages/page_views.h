#pragma once
#include <array>
#include <span>
#include <string>

namespace veltra {

// The six visible rows, the scroll bar and the information panel that the update page and
// the History page share. Rows are numbered 1 to 6.
class IListView {
public:
    virtual ~IListView() = default;
    virtual void SetRowEnabled(int row, bool enabled) = 0;
    // The row's labels, left to right.
    virtual void SetRowTexts(int row, std::span<const std::u16string> texts) = 0;
    // Range 0 to max, position 0, shown or hidden.
    virtual void SetScrollBar(int max, bool visible) = 0;
    virtual void SetScrollPosition(int position) = 0;
    virtual void ShowInformation(const std::u16string& text) = 0;
    // A problem worded for a person, in the program's own box.
    virtual void ShowProblem(const std::u16string& text) = 0;
};

// The scan options: automatic or manual, and the seven boxes of a manual scan (the six
// categories in the order of their bits, then the hidden VIDDID box).
struct ScanOptions {
    bool automatic = true;
    std::array<bool, 7> boxes{};
};

// Where the progress bar and its labels sit: over the list for a scan, below it for files.
enum class ProgressPlace { Scan, Download };

// What the update page shows, as its controller asks for it.
class IUpdatePageView : public IListView {
public:
    virtual void SetRowTicked(int row, bool ticked) = 0;
    virtual void SetProgressBar(int percent) = 0;
    // Label 1030: the transfer's progress text.
    virtual void SetProgressText(const std::u16string& text) = 0;
    // Label 1029: "Processing, please wait for a while...".
    virtual void SetStatusText(const std::u16string& text) = 0;
    virtual void ShowProgressArea(ProgressPlace place) = 0;
    virtual void HideProgressArea() = 0;
    // The list's title, scroll bar, six rows and the information panel.
    virtual void ShowListArea(bool show) = 0;
    virtual void ShowInformationPanel(bool show) = 0;
    // Radio buttons, category boxes (enabled only in manual mode), their label colours and
    // the main window's Scan and Download buttons.
    virtual void ShowScanOptions(const ScanOptions& options, bool enabled) = 0;
    virtual void SetUpdateCount(const std::u16string& count) = 0;
    // The Home page's "Last scan" text.
    virtual void ShowLastScan(const std::u16string& text) = 0;
    // Posts WM_HISTORY_REFRESH to the History page.
    virtual void PostHistoryRefresh() = 0;
    // Whether the update server answered the last transfer: the main window's status mark.
    virtual void ShowServerReached(bool reached) = 0;
    // The save-path dialog: shows the folder and may change it; false when cancelled.
    virtual bool ChooseSaveFolder(std::u16string& folder) = 0;
};

}  // namespace veltra
