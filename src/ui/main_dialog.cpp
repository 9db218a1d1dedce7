#include "ui/main_dialog.h"

#include "core/debug_log.h"

namespace veltra {
namespace {

constexpr std::array<PageInfo, kPageCount> kPages{{
    {130, 1002, u"Display Page1 : Home"},
    {131, 1003, u"Display Page2 : Veltra"},
    {132, 1004, u"Display Page3 : History"},
    {200, 1005, u"Display Page4 : Setting"},
    {133, 1007, u"Display Page5 : About"},
}};

}  // namespace

const PageInfo& InfoOf(Page page) { return kPages[static_cast<std::size_t>(page)]; }

void MainDialog::Switch(Page page) {
    if (hasCurrent_ && current_ == page) return;
    if (hasCurrent_) {
        view_.ShowPageWindow(current_, false);
        visible_[static_cast<std::size_t>(current_)] = false;
    }
    view_.ShowPageWindow(page, true);
    visible_[static_cast<std::size_t>(page)] = true;
    current_ = page;
    hasCurrent_ = true;
}

void MainDialog::ShowFirstPage() {
    view_.SetTabPressed(Page::Home);
    Switch(Page::Home);
    view_.ShowSettingButtons(false);
}

void MainDialog::ShowPage(Page page) {
    Switch(page);
    DebugLog(InfoOf(page).shown);
    view_.ShowSettingButtons(page == Page::Setting);
    if (page == Page::Update || page == Page::History) view_.FocusPageList(page);
}

void MainDialog::Scan_Information() {
    view_.SetTabPressed(Page::Update);
    ShowPage(Page::Update);
    DebugLog(u"run... Scan_Information()");
    view_.StopReminderPrompt();
    view_.PostStartScan();
    view_.ApplyScheduleToClock();
}

void MainDialog::Apply() {
    view_.StopReminderPrompt();
    view_.SaveSchedule();
    view_.ApplyScheduleToClock();
}

void MainDialog::Download_Item() {
    view_.SetTabPressed(Page::Update);
    ShowPage(Page::Update);
    DebugLog(u"run... Download_Item()");
    view_.PostStartDownload();
}

}  // namespace veltra
