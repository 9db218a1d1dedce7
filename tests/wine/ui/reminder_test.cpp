// The Setting page and the reminder prompt in the real main window; a due state is
// arranged through the files the program reads at start.
#include <gmock/gmock.h>

#include <functional>
#include <utility>

#include "core/byte_buffer.h"
#include "ids/main_dialog.h"
#include "ids/message_box.h"
#include "ids/reminder.h"
#include "ids/setting_page.h"
#include "ids/update_page.h"
#include "main_window_fixture.h"
#include "schedule/reminder_record.h"
#include "schedule/win32/my_app_tray_icon.h"
#include "support/source_tree.h"
#include "support/test_window.h"

namespace veltra {
namespace {

using namespace winetest;
using ::testing::ElementsAre;

std::string Text(std::span<const unsigned char> bytes) { return {bytes.begin(), bytes.end()}; }

std::span<const unsigned char> Span(const std::string& bytes) { return {reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()}; }

RECT RectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// Opens a chooser's list and picks an item as a click in the list does.
void Choose(MainWindowRun& run, int chooser, int index) {
    Click(run.Item(Page::Setting, chooser));
    HWND popup = WindowWith(run.Main(), IDC_LIST_ITEMS);
    ASSERT_NE(popup, nullptr);
    HWND list = GetDlgItem(popup, IDC_LIST_ITEMS);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(popup, WM_COMMAND, MAKEWPARAM(IDC_LIST_ITEMS, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_TRUE(PumpUntil([&] { return WindowWith(run.Main(), IDC_LIST_ITEMS) == nullptr; }, 2000));
}

TEST(SettingPage, ChosenItemsShowInTheChoosersAndApplyWritesReminderRec) {
    std::string stored;
    RECT button{}, popup{};
    bool closedAgain = false;
    std::vector<std::wstring> shown;
    MainWindowRun run(0);
    run.Run([&](MainWindowRun& r) {
        Click(GetDlgItem(r.Main(), IDC_MAIN_TAB_SETTING));
        HWND frequency = r.Item(Page::Setting, IDC_SET_FREQUENCY);
        Click(frequency);
        button = RectOf(frequency);
        popup = RectOf(WindowWith(r.Main(), IDC_LIST_ITEMS));
        Click(frequency);
        closedAgain = WindowWith(r.Main(), IDC_LIST_ITEMS) == nullptr;
        Choose(r, IDC_SET_FREQUENCY, 0);
        Choose(r, IDC_SET_WEEK, 1);
        for (int id : {IDC_SET_FREQUENCY, IDC_SET_WEEK, IDC_SET_DATE}) {
            HWND chooser = r.Item(Page::Setting, id);
            shown.push_back(WindowText(chooser) + (IsWindowEnabled(chooser) ? L"" : L" (disabled)"));
        }
        Click(GetDlgItem(r.Main(), IDC_MAIN_APPLY));
        shown.push_back(WindowText(r.Item(Page::Setting, IDC_SET_STATUS)));
        stored = ReadBytes(r.WorkFolder() + L"VT5\\LOG\\Reminder.rec");
        EndMainWindow(r.Main());
    });
    EXPECT_EQ(std::vector<LONG>({popup.left, popup.top, popup.right - popup.left, popup.bottom - popup.top}),
              std::vector<LONG>({button.left, button.top + 20, 120, 65}));
    EXPECT_TRUE(closedAgain);
    EXPECT_THAT(shown, ElementsAre(L"every week", L"Monday", L"01 (disabled)", L"Reminder set: every week, Monday"));
    ASSERT_EQ(stored.size(), kReminderBytes);
    SYSTEMTIME today{};
    GetLocalTime(&today);
    EXPECT_THAT((std::vector<int>{GetI32(Span(stored), 0), GetI32(Span(stored), 4), GetI32(Span(stored), 8),
                                  GetDateTime(Span(stored), 12).year}),
                ElementsAre(kEveryWeek, 1, 1, today.wYear));
}

// The chooser's list lives only while its page is seen and the window is in use: a click
// on it could otherwise change a setting the user cannot see. A click on an item, with the
// mouse, still chooses it.
TEST(SettingPage, TheChooserListClosesWhenItsPageIsNoLongerSeen) {
    const std::pair<const char*, std::function<void(HWND)>> leaves[] = {
        {"another tab", [](HWND main) { Click(GetDlgItem(main, IDC_MAIN_TAB_HOME)); }},
        {"hidden", [](HWND main) { Click(GetDlgItem(main, IDC_MAIN_HIDE)); }},
        {"moved", [](HWND main) { SetWindowPos(main, nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }},
        {"another window active",
         [](HWND) {
             HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                          nullptr, nullptr);
             SetForegroundWindow(other);
             PumpUntil([&] { return GetForegroundWindow() == other; }, 2000);
             DestroyWindow(other);
         }},
    };
    std::vector<std::string> seen;
    std::wstring chosen;
    MainWindowRun run(0);
    run.Run([&](MainWindowRun& r) {
        for (const auto& [what, leave] : leaves) {
            SendMessageW(r.Main(), WM_SHOW_MAIN_WINDOW, 0, 0);
            SetForegroundWindow(r.Main());
            Click(GetDlgItem(r.Main(), IDC_MAIN_TAB_SETTING));
            Click(r.Item(Page::Setting, IDC_SET_FREQUENCY));
            const bool opened = WindowWith(r.Main(), IDC_LIST_ITEMS) != nullptr;
            leave(r.Main());
            PumpUntil([&] { return WindowWith(r.Main(), IDC_LIST_ITEMS) == nullptr; }, 1000);
            const bool open = WindowWith(r.Main(), IDC_LIST_ITEMS) != nullptr;
            seen.push_back(std::string(what) + (opened ? "" : ", never opened") + (open ? ", still open" : ", closed"));
        }
        SendMessageW(r.Main(), WM_SHOW_MAIN_WINDOW, 0, 0);
        SetForegroundWindow(r.Main());
        PumpUntil([&] { return GetForegroundWindow() == r.Main(); }, 2000);
        Click(GetDlgItem(r.Main(), IDC_MAIN_TAB_SETTING));
        Click(r.Item(Page::Setting, IDC_SET_FREQUENCY));
        HWND popup = WindowWith(r.Main(), IDC_LIST_ITEMS);
        ASSERT_NE(popup, nullptr);
        const RECT place = RectOf(popup);
        SetCursorPos(place.left + 20, place.top + 6);  // the first item, "every week"
        INPUT press[2]{};
        press[0].type = press[1].type = INPUT_MOUSE;
        press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, press, sizeof(INPUT));
        PumpUntil([&] { return WindowWith(r.Main(), IDC_LIST_ITEMS) == nullptr; }, 2000);
        chosen = WindowText(r.Item(Page::Setting, IDC_SET_FREQUENCY));
        EndMainWindow(r.Main());
    });
    EXPECT_THAT(seen, ElementsAre("another tab, closed", "hidden, closed", "moved, closed", "another window active, closed"));
    EXPECT_EQ(chosen, L"every week");
}

TEST(ReminderPrompt, YesAtAReminderStartShowsTheMainWindowAndScans) {
    MainWindowRun run(0, true);
    // Monthly on the 1st, last run and last scanned on 5 January 2010.
    const std::wstring log = run.WorkFolder() + L"VT5\\LOG\\";
    WriteBytes(log + L"Reminder.rec", Text(ReminderBytes({kEveryMonth, 1, 1, {2010, 1, 2, 5, 12, 0, 0, 0}})));
    std::vector<unsigned char> bytes(kDateTimeBytes);
    PutI64(bytes, 0, 1'262'649'600);
    WriteBytes(log + L"LastTime.rec", Text(std::span(bytes).first(8)));
    PutDateTime(bytes, 0, {2010, 1, 2, 5, 12, 0, 0, 0});
    WriteBytes(log + L"Veltra.rec", Text(bytes));
    RECT mainPlace{};
    bool mainShown = false;
    std::vector<std::string> lines, cut;
    run.Run([&](MainWindowRun& r) {
        Click(r.Item(Page::Update, IDC_UPD_MANUAL));
        HWND prompt = nullptr;
        ASSERT_TRUE(PumpUntil([&] { return (prompt = WindowWith(r.Main(), IDC_REM_YES)) != nullptr; }, 5000));
        // Up on the screen, as a user sees it: by then the window's set-up has ended.
        PumpUntil([&] { return RectOf(prompt).top <= GetSystemMetrics(SM_CYSCREEN) - 192; }, 10000);
        r.TakeLines();
        cut = CutTexts(prompt);
        Click(GetDlgItem(prompt, IDC_REM_YES));
        PumpUntil([&] {
            for (const std::string& line : r.TakeLines()) lines.push_back(line);
            return lines.size() >= 4;
        }, 3000);
        mainShown = IsWindowVisible(r.Main()) != FALSE;
        mainPlace = RectOf(r.Main());
        // Without a server the scan ends at once with the program's box, which a user closes.
        HWND box = nullptr;
        ASSERT_TRUE(PumpUntil([&] { return (box = WindowWith(r.Main(), IDC_MSG_TEXT)) != nullptr; }, 20000));
        for (const std::string& text : CutTexts(box)) cut.push_back(text);
        Click(GetDlgItem(box, IDOK));
        EndMainWindow(r.Main());
    });
    EXPECT_THAT(cut, ElementsAre()) << "the prompt's and the box's texts fit their boxes";
    // The main window comes back centred above the taskbar.
    EXPECT_TRUE(mainShown);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(std::vector<LONG>({mainPlace.left, mainPlace.top, mainPlace.right - mainPlace.left,
                                 mainPlace.bottom - mainPlace.top}),
              std::vector<LONG>({(width - 760) / 2, (height - GetSystemMetrics(SM_CYICON) - 559) / 2, 760, 560}));
    // An automatic scan, although the update page was set to a manual one.
    lines.resize(4);
    EXPECT_THAT(lines, ElementsAre("Display Page2 : Veltra", "run... Scan_Information()",
                                   "========== On_Download_Info_File() ==========", "Do automatic scan !!"));
}

}  // namespace
}  // namespace veltra
