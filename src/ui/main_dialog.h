#pragma once
#include <array>

namespace veltra {

// The five pages of the main window, in the order they are created.
enum class Page { Home, Update, History, Setting, About };
inline constexpr int kPageCount = 5;

struct PageInfo {
    int templateId;
    int tabId;              // the tab button that shows it
    const char16_t* shown;  // the debug line logged each time it is shown
};

const PageInfo& InfoOf(Page page);

// What the main window does when its model asks.
class IMainDialogView {
public:
    virtual ~IMainDialogView() = default;
    virtual void ShowPageWindow(Page page, bool show) = 0;
    virtual void SetTabPressed(Page page) = 0;
    // Apply and Default belong to the Setting page.
    virtual void ShowSettingButtons(bool show) = 0;
    // The update page's item list, or the History page's list.
    virtual void FocusPageList(Page page) = 0;
    virtual void PostStartScan() = 0;
    virtual void PostStartDownload() = 0;
    // The reminder prompt moved below the screen, hidden and its timers stopped (WM_USER+28).
    virtual void StopReminderPrompt() = 0;
    // The Setting page's schedule written to "Reminder.rec".
    virtual void SaveSchedule() = 0;
    // WM_USER+26 to the Setting page: the stored schedule into the clock.
    virtual void ApplyScheduleToClock() = 0;
    virtual void RestoreDefaultSchedule() = 0;
};

// The main dialog without its window: which page is current and visible, and how Scan
// and Download hand their work to the update page.
class MainDialog {
public:
    explicit MainDialog(IMainDialogView& view) : view_(view) {}

    // The end of the page set-up: Home shown without its log line, Apply and Default hidden.
    void ShowFirstPage();
    void ShowPage(Page page);
    // Both switch through ShowPage so the page they leave is hidden and becomes a tab away.
    void Scan_Information();
    void Download_Item();
    void Apply();
    void Default() { view_.RestoreDefaultSchedule(); }

    // Null until the set-up has shown Home.
    const Page* Current() const { return hasCurrent_ ? &current_ : nullptr; }
    bool Visible(Page page) const { return visible_[static_cast<int>(page)]; }

private:
    void Switch(Page page);

    IMainDialogView& view_;
    Page current_ = Page::Home;
    bool hasCurrent_ = false;
    std::array<bool, kPageCount> visible_{};
};

}  // namespace veltra
