#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/recording_debug_sink.h"
#include "ui/main_dialog.h"

namespace veltra {
namespace {

using ::testing::ElementsAreArray;

const char* Name(Page page) {
    static const char* const kNames[] = {"Home", "Update", "History", "Setting", "About"};
    return kNames[static_cast<int>(page)];
}

// Every call of the window and every debug line, in one order.
class RecordingMainView final : public IMainDialogView {
public:
    void ShowPageWindow(Page page, bool show) override { Add(std::string(show ? "show " : "hide ") + Name(page)); }
    void SetTabPressed(Page page) override { Add(std::string("tab ") + Name(page)); }
    void ShowSettingButtons(bool show) override { Add(show ? "apply+default shown" : "apply+default hidden"); }
    void FocusPageList(Page page) override { Add(std::string("focus ") + Name(page)); }
    void PostStartScan() override { Add("post WM_USER+20"); }
    void PostStartDownload() override { Add("post WM_USER+21"); }
    void StopReminderPrompt() override { Add("prompt hidden, send WM_USER+28"); }
    void SaveSchedule() override { Add("save Reminder.rec"); }
    void ApplyScheduleToClock() override { Add("send WM_USER+26"); }
    void RestoreDefaultSchedule() override { Add("default schedule"); }

    void Add(std::string event) {
        Flush();
        events.push_back(std::move(event));
    }
    void Flush() {  // the debug lines written since the last event, as events
        for (const std::string& text : capture.TakeTexts()) events.push_back("log " + text);
    }
    fakes::ScopedDebugCapture capture;
    std::vector<std::string> events;
};

struct SwitchCase {
    const char* name;
    std::function<void(MainDialog&)> actions;  // after the first page is shown
    std::vector<std::string> expected;
    Page visible;
};

TEST(MainDialog, PageSwitchesAsMessageSequences) {
    const SwitchCase cases[] = {
        {"the first page is Home", [](MainDialog&) {}, {}, Page::Home},
        {"history takes the focus to its list", [](MainDialog& d) { d.ShowPage(Page::History); },
         {"hide Home", "show History", "log Display Page3 : History", "apply+default hidden", "focus History"}, Page::History},
        {"scan on the setting page switches through ShowPage",
         [](MainDialog& d) { d.ShowPage(Page::Setting); d.Scan_Information(); },
         {"hide Home", "show Setting", "log Display Page4 : Setting", "apply+default shown", "tab Update",
          "hide Setting", "show Update", "log Display Page2 : Veltra", "apply+default hidden", "focus Update",
          "log run... Scan_Information()", "prompt hidden, send WM_USER+28", "post WM_USER+20", "send WM_USER+26"},
         Page::Update},
        {"apply and default stay on the setting page",
         [](MainDialog& d) { d.ShowPage(Page::Setting); d.Apply(); d.Default(); },
         {"hide Home", "show Setting", "log Display Page4 : Setting", "apply+default shown",
          "prompt hidden, send WM_USER+28", "save Reminder.rec", "send WM_USER+26", "default schedule"},
         Page::Setting},
    };
    for (const SwitchCase& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingMainView view;
        MainDialog dialog(view);
        EXPECT_EQ(dialog.Current(), nullptr);
        dialog.ShowFirstPage();
        c.actions(dialog);
        view.Flush();
        std::vector<std::string> expected = {"tab Home", "show Home", "apply+default hidden"};  // without its log line
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        EXPECT_THAT(view.events, ElementsAreArray(expected));
        for (int p = 0; p < kPageCount; ++p) EXPECT_EQ(dialog.Visible(Page(p)), Page(p) == c.visible) << Name(Page(p));
        ASSERT_NE(dialog.Current(), nullptr);
        EXPECT_EQ(*dialog.Current(), c.visible);
    }
}

}  // namespace
}  // namespace veltra
