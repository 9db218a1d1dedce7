// The Setting page's choosers and the reminder prompt in the real main window, with the
// due state arranged through the files the program reads at start.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/byte_buffer.h"
#include "ids/main_dialog.h"
#include "ids/reminder.h"
#include "ids/setting_page.h"
#include "ids/update_page.h"
#include "main_window_fixture.h"
#include "schedule/reminder_record.h"
#include "support/test_window.h"

namespace veltra {
namespace {

using namespace winetest;

std::vector<unsigned char> ReadBytes(const std::wstring& path) {
    std::vector<unsigned char> bytes;
    if (FILE* file = _wfopen(path.c_str(), L"rb")) {
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) bytes.push_back(static_cast<unsigned char>(c));
        std::fclose(file);
    }
    return bytes;
}

template <typename Bytes>
void WriteBytes(const std::wstring& path, const Bytes& bytes) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

// A visible top-level window of the main window's thread that holds the control `id`.
HWND VisibleWindowWith(HWND main, int id) {
    struct Search {
        int id;
        HWND found;
    } search{id, nullptr};
    EnumThreadWindows(GetWindowThreadProcessId(main, nullptr), [](HWND window, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<Search*>(parameter);
        if (!IsWindowVisible(window) || GetDlgItem(window, s->id) == nullptr) return TRUE;
        s->found = window;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

RECT RectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// Whether a timer of a window on another thread is set; the probe stops it, as only the
// window's own thread can ask.
struct TimerProbe {
    HWND window;
    UINT_PTR timer;
    bool set;
};
TimerProbe* g_probe = nullptr;
const UINT kProbeMessage = RegisterWindowMessageW(L"Veltra test timer probe");
LRESULT CALLBACK ProbeHook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && g_probe != nullptr && sent->message == kProbeMessage && sent->hwnd == g_probe->window)
        g_probe->set = KillTimer(sent->hwnd, g_probe->timer) != FALSE;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
bool TimerWasSet(HWND window, UINT_PTR timer) {
    TimerProbe probe{window, timer, false};
    g_probe = &probe;
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, ProbeHook, nullptr, GetWindowThreadProcessId(window, nullptr));
    SendMessageW(window, kProbeMessage, 0, 0);
    UnhookWindowsHookEx(hook);
    g_probe = nullptr;
    return probe.set;
}

// Opens a chooser's popup and picks an item as a click in the list does.
void Choose(MainWindowRun& run, int chooser, int index) {
    Click(run.Item(Page::Setting, chooser));
    HWND popup = VisibleWindowWith(run.Main(), IDC_LIST_ITEMS);
    ASSERT_NE(popup, nullptr);
    HWND list = GetDlgItem(popup, IDC_LIST_ITEMS);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(popup, WM_COMMAND, MAKEWPARAM(IDC_LIST_ITEMS, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_TRUE(WaitFor([&] { return VisibleWindowWith(run.Main(), IDC_LIST_ITEMS) == nullptr; }, 2000));
}

struct ChooserState {
    std::wstring text;
    bool enabled;
    bool operator==(const ChooserState&) const = default;
};

std::vector<ChooserState> Choosers(MainWindowRun& run) {
    std::vector<ChooserState> states;
    for (int id : {IDC_SET_FREQUENCY, IDC_SET_WEEK, IDC_SET_DATE}) {
        HWND button = run.Item(Page::Setting, id);
        states.push_back({WindowText(button), IsWindowEnabled(button) != FALSE});
    }
    return states;
}

TEST(SettingPage, AppliedChoicesSurviveARestartAsReminderRecBytes) {
    std::vector<unsigned char> stored;
    RECT button{}, popup{};
    bool closedBySecondClick = false;
    {
        MainWindowRun run(0);
        run.Run([&](MainWindowRun& r) {
            Click(GetDlgItem(r.Main(), IDC_MAIN_TAB_SETTING));
            HWND frequency = r.Item(Page::Setting, IDC_SET_FREQUENCY);
            Click(frequency);
            button = RectOf(frequency);
            popup = RectOf(VisibleWindowWith(r.Main(), IDC_LIST_ITEMS));
            Click(frequency);
            closedBySecondClick = VisibleWindowWith(r.Main(), IDC_LIST_ITEMS) == nullptr;
            Choose(r, IDC_SET_FREQUENCY, 0);
            Choose(r, IDC_SET_WEEK, 1);
            Click(GetDlgItem(r.Main(), IDC_MAIN_APPLY));
            stored = ReadBytes(r.WorkFolder() + L"VT5\\LOG\\Reminder.rec");
            EndMainWindow(r.Main());
        });
    }
    EXPECT_EQ(popup.left, button.left);
    EXPECT_EQ(popup.top, button.top + 20);
    EXPECT_EQ(popup.right - popup.left, 120);
    EXPECT_EQ(popup.bottom - popup.top, 65);
    EXPECT_TRUE(closedBySecondClick);
    ASSERT_EQ(stored.size(), kReminderBytes);
    EXPECT_EQ(GetI32(stored, 0), kEveryWeek);
    EXPECT_EQ(GetI32(stored, 4), 1) << "Monday";
    EXPECT_EQ(GetI32(stored, 8), 1);
    SYSTEMTIME today{};
    GetLocalTime(&today);
    EXPECT_EQ(GetDateTime(stored, 12).year, today.wYear) << "stamped when applied";

    MainWindowRun restart(0);
    WriteBytes(restart.WorkFolder() + L"VT5\\LOG\\Reminder.rec", stored);
    std::vector<ChooserState> shown;
    restart.Run([&](MainWindowRun& r) {
        shown = Choosers(r);
        EndMainWindow(r.Main());
    });
    EXPECT_THAT(shown, ::testing::ElementsAre(ChooserState{L"every week", true}, ChooserState{L"Monday", true},
                                              ChooserState{L"01", false}));
    EXPECT_EQ(ReadBytes(restart.WorkFolder() + L"VT5\\LOG\\Reminder.rec"), stored);
}

// Monthly on the 1st, last started and last scanned on 5 January 2010: due at any start since.
void ArrangeDueSchedule(const std::wstring& log) {
    WriteBytes(log + L"Reminder.rec", ReminderBytes({kEveryMonth, 1, 1, {2010, 1, 2, 5, 12, 0, 0, 0}}));
    std::vector<unsigned char> lastTime(8);
    PutI64(lastTime, 0, 1'262'649'600);
    WriteBytes(log + L"LastTime.rec", lastTime);
    std::vector<unsigned char> lastScan(kDateTimeBytes);
    PutDateTime(lastScan, 0, {2010, 1, 2, 5, 12, 0, 0, 0});
    WriteBytes(log + L"Veltra.rec", lastScan);
}

struct Answers {
    bool laterTimer99 = false, laterTimer100 = true;
    bool closeTimer99 = false;
    bool noTimer99 = true, noTimer100 = true;
    LONG hiddenAt = 0;
    bool hidden = false;
};

TEST(ReminderPrompt, DueAtAReminderStartItSlidesUpAndItsButtonsDecideWhenItReturns) {
    MainWindowRun run(0, true);
    const std::wstring log = run.WorkFolder() + L"VT5\\LOG\\";
    ArrangeDueSchedule(log);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    std::vector<LONG> tops;
    RECT shown{};
    bool mainHidden = false;
    Answers answers;
    run.Run([&](MainWindowRun& r) {
        mainHidden = WaitFor([&] { return !IsWindowVisible(r.Main()); }, 2000);
        HWND prompt = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (prompt = VisibleWindowWith(r.Main(), IDC_REM_YES)) != nullptr; }, 5000));
        // Positions sampled while the window's thread pumps its timers.
        WaitFor([&] {
            const LONG top = RectOf(prompt).top;
            if (tops.empty() || tops.back() != top) tops.push_back(top);
            return top <= screenHeight - 192;
        }, 10000);
        shown = RectOf(prompt);
        Click(GetDlgItem(prompt, IDC_REM_LATER));
        answers.hidden = !IsWindowVisible(prompt);
        answers.hiddenAt = RectOf(prompt).top;
        answers.laterTimer99 = TimerWasSet(prompt, kPromptStart);
        answers.laterTimer100 = TimerWasSet(prompt, kPromptSlideUp);
        SendMessageW(prompt, WM_TIMER, kPromptStart, 0);  // as if the ten minutes had passed
        Click(GetDlgItem(prompt, IDOK));
        answers.closeTimer99 = TimerWasSet(prompt, kPromptStart);
        SendMessageW(prompt, WM_TIMER, kPromptStart, 0);
        Click(GetDlgItem(prompt, IDC_REM_NO));
        answers.noTimer99 = TimerWasSet(prompt, kPromptStart);
        answers.noTimer100 = TimerWasSet(prompt, kPromptSlideUp);
        EndMainWindow(r.Main());
    });
    EXPECT_TRUE(mainHidden) << "a reminder start lives in the tray";
    ASSERT_GE(tops.size(), 10u) << "slid, not jumped";
    EXPECT_GE(tops.front(), screenHeight - 30);
    for (std::size_t i = 1; i < tops.size(); ++i) EXPECT_LT(tops[i], tops[i - 1]);
    EXPECT_EQ(tops.back(), screenHeight - 192);
    EXPECT_EQ(shown.left, screenWidth - 286 - 30);
    EXPECT_EQ(shown.right - shown.left, 286);
    EXPECT_EQ(shown.bottom - shown.top, 141);
    EXPECT_TRUE(answers.hidden);
    EXPECT_EQ(answers.hiddenAt, screenHeight) << "back below the screen's edge";
    EXPECT_TRUE(answers.laterTimer99) << "Remind me later";
    EXPECT_FALSE(answers.laterTimer100);
    EXPECT_TRUE(answers.closeTimer99) << "the close box";
    EXPECT_FALSE(answers.noTimer99) << "No";
    EXPECT_FALSE(answers.noTimer100);
    // A monthly schedule's last run is the time of this exit, in the work folder.
    const std::vector<unsigned char> lastTime = ReadBytes(log + L"LastTime.rec");
    ASSERT_EQ(lastTime.size(), 8u);
    EXPECT_GT(GetI64(lastTime, 0), 1'600'000'000);
}

TEST(ReminderPrompt, YesRunsAnAutomaticScanWhenManualScanIsSelected) {
    MainWindowRun run(0, true);
    ArrangeDueSchedule(run.WorkFolder() + L"VT5\\LOG\\");
    std::vector<std::string> lines;
    bool mainShown = false;
    run.Run([&](MainWindowRun& r) {
        Click(r.Item(Page::Update, IDC_UPD_MANUAL));
        HWND prompt = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (prompt = VisibleWindowWith(r.Main(), IDC_REM_YES)) != nullptr; }, 5000));
        r.TakeLines();
        Click(GetDlgItem(prompt, IDC_REM_YES));
        WaitFor([&] {
            for (const std::string& line : r.TakeLines()) lines.push_back(line);
            return lines.size() >= 4;
        }, 3000);
        mainShown = IsWindowVisible(r.Main()) != FALSE;
        EndMainWindow(r.Main());
    });
    EXPECT_TRUE(mainShown);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 4),
                ::testing::ElementsAre("Display Page2 : Veltra", "run... Scan_Information()",
                                       "========== On_Download_Info_File() ==========", "Do automatic scan !!"));
}

}  // namespace
}  // namespace veltra
