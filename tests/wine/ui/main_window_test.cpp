#include <windows.h>

#include <commctrl.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "core/text.h"
#include "transfer/test_server.h"
#include "ids/main_dialog.h"
#include "ids/message_box.h"
#include "ids/setting_page.h"
#include "ids/about_page.h"
#include "ids/history_page.h"
#include "ids/information.h"
#include "ids/update_page.h"
#include "main_window_fixture.h"
#include "platform/win32/wide.h"
#include "support/test_window.h"

namespace veltra {
namespace {

using namespace winetest;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::string Visibility(MainWindowRun& run) {
    static const char* const kNames[] = {"Home", "Update", "History", "Setting", "About"};
    std::string pages;
    for (int p = 0; p < kPageCount; ++p) {
        if (IsWindowVisible(run.PageOf(Page(p)))) pages += std::string(pages.empty() ? "" : "+") + kNames[p];
    }
    const bool apply = IsWindowVisible(GetDlgItem(run.Main(), IDC_MAIN_APPLY)) != 0;
    const bool reset = IsWindowVisible(GetDlgItem(run.Main(), IDC_MAIN_DEFAULT)) != 0;
    return pages + (apply && reset ? ", apply+default" : apply || reset ? ", one of apply/default" : "");
}

struct Step {
    int control;  // a button of the main window, or of the update page when negative
    std::vector<std::string> lines;
    std::string visible;
};

// Each row continues from the one before, as a user goes from tab to tab.
TEST(MainWindow, SetUpThenTabsScanAndDownloadAsSequences) {
    const Step steps[] = {
        {IDC_MAIN_TAB_SETTING, {"Display Page4 : Setting"}, "Setting, apply+default"},
        // A manual scan without a category ends at once, leaving the page as it was.
        {-IDC_UPD_MANUAL, {}, "Setting, apply+default"},
        {IDC_MAIN_SCAN,
         {"Display Page2 : Veltra", "run... Scan_Information()", "========== On_Download_Info_File() ==========",
          "Do manual scan !!", "No Item select  !!"},
         "Update"},
        {IDC_MAIN_TAB_ABOUT, {"Display Page5 : About"}, "About"},
        // Until a scan has loaded a list the page holds six empty rows, none ticked.
        {IDC_MAIN_DOWNLOAD,
         {"Display Page2 : Veltra", "run... Download_Item()", "", "========== Download_Button_Clicked() ==========",
          "num = 1 , ", "num = 2 , ", "num = 3 , ", "num = 4 , ", "num = 5 , ", "num = 6 , ", "No Item selected"},
         "Update"},
        {IDC_MAIN_TAB_HOME, {"Display Page1 : Home"}, "Home"},
    };
    MainWindowRun run(0);
    std::vector<std::string> setUp;
    std::string first;
    std::vector<std::string> actual, expected;
    run.Run([&](MainWindowRun& r) {
        setUp = r.TakeLines();
        first = Visibility(r);
        for (const Step& step : steps) {
            const HWND button = step.control > 0 ? GetDlgItem(r.Main(), step.control) : r.Item(Page::Update, -step.control);
            Click(button);
            // The scan and the download are posted: wait for their lines, not longer than needed.
            std::vector<std::string> lines;
            PumpUntil([&] {
                for (const std::string& line : r.TakeLines()) lines.push_back(line);
                return lines.size() >= step.lines.size();
            }, 2000);
            for (const std::string& line : lines) actual.push_back(line);
            actual.push_back("=> " + Visibility(r));
            for (const std::string& line : step.lines) expected.push_back(line);
            expected.push_back("=> " + step.visible);
        }
        EndMainWindow(r.Main());
    });
    // The background, then the pages in their order: Home's last scan, the update page's list.
    const std::string log = Utf16ToUtf8(FromWide(run.WorkFolder())) + "VT5\\LOG\\";
    EXPECT_THAT(setUp, ElementsAreArray(std::vector<std::string>{"Set background image !!", "Create : " + log + "Veltra.rec",
                                         "Create successfully !! " + log + "Veltra.rec",
                                         "Create : " + log + "CheckList.rec",
                                         "Create successfully !! " + log + "CheckList.rec"}));
    EXPECT_EQ(first, "Home");
    EXPECT_THAT(actual, ElementsAreArray(expected));
}

// A key as the keyboard gives it, to the window that has the focus.
void PressKey(WORD key) {
    INPUT strokes[2]{};
    for (INPUT& stroke : strokes) {
        stroke.type = INPUT_KEYBOARD;
        stroke.ki.wVk = key;
    }
    strokes[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, strokes, sizeof(INPUT));
}

// Enter and Esc never end the program unasked, wherever the focus is: Enter presses the
// focused button (the exit button asks first) or is the update page's rerun of the checks.
TEST(MainWindow, EnterAndEscNeverEndTheProgram) {
    struct KeyStep {
        const char* what;
        int tab;    // shown first (not logged below), 0 for none
        int focus;  // a control of the main window, 0 for the shown page's list
        WORD key;
        std::vector<std::string> lines;
        bool question;  // the exit question is open
    };
    const KeyStep steps[] = {
        {"Enter on Home's tab", IDC_MAIN_TAB_HOME, IDC_MAIN_TAB_HOME, VK_RETURN, {"Display Page1 : Home"}, false},
        {"Esc on Home", 0, IDC_MAIN_TAB_HOME, VK_ESCAPE, {}, false},
        {"Enter in the update list", IDC_MAIN_TAB_VELTRA, 0, VK_RETURN, {"run... Check_Download_Information()"}, false},
        {"Esc in the update list", 0, 0, VK_ESCAPE, {}, false},
        {"Enter on the exit button", 0, IDC_MAIN_EXIT, VK_RETURN, {}, true},
    };
    MainWindowRun run(8);
    std::vector<std::string> actual, expected;
    run.Run([&](MainWindowRun& r) {
        SetForegroundWindow(r.Main());
        for (const KeyStep& step : steps) {
            if (step.tab != 0) Click(GetDlgItem(r.Main(), step.tab));
            HWND focus = step.focus != 0 ? GetDlgItem(r.Main(), step.focus) : GetFocus();
            if (step.focus != 0) SendMessageW(r.Main(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
            r.TakeLines();
            PressKey(step.key);
            std::vector<std::string> lines;
            HWND question = nullptr;
            PumpUntil([&] {
                for (const std::string& line : r.TakeLines()) lines.push_back(line);
                question = WindowWith(r.Main(), IDC_MSG_TEXT);
                return step.question ? question != nullptr : lines.size() >= step.lines.size() && !step.lines.empty();
            }, 1500);
            lines.resize(std::min(lines.size(), std::max<std::size_t>(step.lines.size(), 1)));
            actual.push_back(std::string(step.what) + (IsWindow(r.Main()) ? "" : ", ended") + (question ? ", asks" : ""));
            expected.push_back(std::string(step.what) + (step.question ? ", asks" : ""));
            for (const std::string& line : lines) actual.push_back(line);
            for (const std::string& line : step.lines) expected.push_back(line);
            // The rest of a step's lines (the checks log many) must not count for the next.
            PumpUntil([] { return false; }, 400);
            r.TakeLines();
        }
        // Esc in the exit question leaves the program running.
        PressKey(VK_ESCAPE);
        PumpUntil([&] { return WindowWith(r.Main(), IDC_MSG_TEXT) == nullptr; }, 1500);
        actual.push_back(WindowWith(r.Main(), IDC_MSG_TEXT) == nullptr && IsWindowVisible(r.Main()) ? "kept" : "not kept");
        expected.push_back("kept");
        EndMainWindow(r.Main());
    });
    EXPECT_THAT(actual, ElementsAreArray(expected));
}

// The update list of 120 results as keys and the wheel move it: the first visible row's
// item after each step, from the focus the tab gives the list.
TEST(MainWindow, KeysAndTheWheelScrollTheUpdateList) {
    const std::pair<WORD, const char*> steps[] = {
        {VK_END, "Item 44"},  {VK_HOME, "Item 1"}, {VK_NEXT, "Item 7"}, {VK_DOWN, "Item 8"},
        {VK_UP, "Item 7"},    {VK_PRIOR, "Item 1"}, {0, "Item 4"},     // 0: a notch of the wheel down
    };
    MainWindowRun run(120);
    std::vector<std::string> firstRows;
    run.Run([&](MainWindowRun& r) {
        SetForegroundWindow(r.Main());
        Click(GetDlgItem(r.Main(), IDC_MAIN_TAB_VELTRA));
        HWND firstItem = r.Item(Page::Update, IDC_UPD_LIST_FIRST + 8 + 2);
        RECT list{};
        GetWindowRect(firstItem, &list);
        SetCursorPos(list.left + 20, list.top + 30);  // over the list, for the wheel
        for (const auto& [key, expected] : steps) {
            if (key != 0) {
                PressKey(key);
            } else {
                INPUT wheel{};
                wheel.type = INPUT_MOUSE;
                wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
                wheel.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);
                SendInput(1, &wheel, sizeof(INPUT));
            }
            PumpUntil([&] { return Utf16ToUtf8(FromWide(WindowText(firstItem))) == expected; }, 1500);
            firstRows.push_back(Utf16ToUtf8(FromWide(WindowText(firstItem))));
        }
        EndMainWindow(r.Main());
    });
    std::vector<std::string> expected;
    for (const auto& step : steps) expected.push_back(step.second);
    EXPECT_THAT(firstRows, ElementsAreArray(expected));
}

// A scan on a server that never answers says where it connects at once; Esc or the Stop
// button (the Download button while a transfer runs) ends it and the page shows its list
// again. A server nobody listens on is said in the program's own box and by the footer's mark.
TEST(MainWindow, ASilentServerIsStoppedAndADeadOneIsSaid) {
    const TestServer server = FindTestServer();
    if (server.hostile.empty()) GTEST_SKIP() << "no test server";
    const struct {
        const char* what;
        std::wstring base;
        WORD key;  // 0: the Stop button
        bool dead;
    } cases[] = {
        {"Esc", server.hostile + L"/silence", VK_ESCAPE, false},
        {"Stop", server.hostile + L"/silence", 0, false},
        {"dead", server.refused, 0, true},
    };
    for (const auto& c : cases) {
        ScopedRegistryValue address(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Norva\\Veltra Series", L"UpdateServer");
        address.Set(c.base);
        const std::wstring host = c.base.substr(7, c.base.find(L'/', 7) - 7);
        std::vector<std::string> seen;
        MainWindowRun run(8);
        run.Run([&](MainWindowRun& r) {
            SetForegroundWindow(r.Main());
            HWND download = GetDlgItem(r.Main(), IDC_MAIN_DOWNLOAD);
            HWND progressText = r.Item(Page::Update, IDC_UPD_PROGRESS_TEXT);
            HWND mark = GetDlgItem(r.Main(), IDC_MAIN_SERVER_MARK);
            Click(GetDlgItem(r.Main(), IDC_MAIN_SCAN));
            HWND box = nullptr;
            if (!c.dead) {
                // A refused connection ends at once: only the silent server leaves time to look.
                PumpUntil([&] { return IsWindowVisible(progressText) && WindowText(progressText).size() > 0; }, 2000);
                seen.push_back(Utf16ToUtf8(FromWide(WindowText(progressText) + L", " + WindowText(download))));
            }
            if (c.dead) {
                PumpUntil([&] { return (box = WindowWith(r.Main(), IDC_MSG_TEXT)) != nullptr; }, 10000);
                const std::wstring said = box ? WindowText(GetDlgItem(box, IDC_MSG_TEXT)) : L"no box";
                seen.push_back(Utf16ToUtf8(FromWide(said.substr(0, said.find(L'\n')))));
                if (box) Click(GetDlgItem(box, IDOK));
            } else if (c.key != 0) {
                PressKey(c.key);
            } else {
                Click(download);
            }
            const bool listed = PumpUntil([&] { return !IsWindowVisible(progressText); }, 2000);
            seen.push_back(std::string(listed ? "list" : "still transferring") + ", " +
                           Utf16ToUtf8(FromWide(WindowText(download))) + (IsWindowVisible(mark) ? ", marked" : ""));
            EndMainWindow(r.Main());
        });
        const std::string connecting = "Connecting to " + Utf16ToUtf8(FromWide(host)) + " ..., Stop";
        if (c.dead) {
            EXPECT_THAT(seen, ElementsAre("Could not get the update information from " + Utf16ToUtf8(FromWide(host)) + ".",
                                          "list, Download, marked"))
                << c.what;
        } else {
            EXPECT_THAT(seen, ElementsAre(connecting, "list, Download")) << c.what;
        }
    }
}

// A window's client area as the screen shows it, 32 bits a pixel.
std::vector<std::uint32_t> ScreenPixels(HWND window) {
    RECT area{};
    GetClientRect(window, &area);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), area.right, -area.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(window);
    HBITMAP copy = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, area.right, area.bottom, screen, 0, 0, SRCCOPY);
    const auto* first = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> pixels(first, first + area.right * area.bottom);
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(copy);
    ReleaseDC(window, screen);
    return pixels;
}

// The window as the screen shows it once it has not changed for a fifth of a second: Wine
// copies a window's drawing to the display a moment after it is made, and a busy machine
// paints late, so one look may catch it half copied or not yet repainted.
std::vector<std::uint32_t> SettledPixels(HWND window) {
    std::vector<std::uint32_t> last = ScreenPixels(window);
    for (int look = 0, same = 0; look < 100 && same < 5; ++look) {
        Sleep(40);
        std::vector<std::uint32_t> now = ScreenPixels(window);
        same = now == last ? same + 1 : 0;
        last = std::move(now);
    }
    return last;
}

// A control as a user names it: the main window's buttons, the pages' options and the
// lists' cells as "row R column C".
std::string ControlName(HWND main, HWND control) {
    using Names = std::vector<std::pair<int, const char*>>;
    static const Names kMain = {
        {IDC_MAIN_TAB_HOME, "Home tab"}, {IDC_MAIN_TAB_VELTRA, "Update tab"}, {IDC_MAIN_TAB_HISTORY, "History tab"},
        {IDC_MAIN_TAB_SETTING, "Setting tab"}, {IDC_MAIN_TAB_ABOUT, "About tab"}, {IDC_MAIN_HIDE, "hide"},
        {IDC_MAIN_EXIT, "exit"}, {IDC_MAIN_APPLY, "Apply"}, {IDC_MAIN_DEFAULT, "Default"}, {IDC_MAIN_SCAN, "Scan"},
        {IDC_MAIN_DOWNLOAD, "Download"}};
    static const Names kPages = {
        {IDC_UPD_MANUAL, "manual"}, {IDC_UPD_AUTOMATIC, "automatic"}, {IDC_SET_FREQUENCY, "frequency"},
        {IDC_SET_WEEK, "week"}, {IDC_SET_DATE, "date"}, {IDC_ABOUT_SUPPORT, "Support"}, {IDC_UPD_SCROLL, "list"},
        {IDC_HIS_SCROLL, "list"}, {IDC_INFORMATION_LIST, "information"}};
    const int id = GetDlgCtrlID(control);
    for (const auto& [known, name] : GetParent(control) == main ? kMain : kPages) {
        if (known == id) return name;
    }
    for (int first : {IDC_UPD_LIST_FIRST, IDC_HIS_LIST_FIRST}) {
        if (id >= first && id < first + 56)
            return "row " + std::to_string((id - first) / 8) + " column " + std::to_string((id - first) % 8);
    }
    return "id " + std::to_string(id);
}

// The focus of the window's thread, as the keyboard finds it.
HWND FocusOf(HWND main) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info);
    return info.hwndFocus;
}

// Tab from a page's tab visits the page's controls, then the action buttons of the page,
// then the window's own buttons, and comes back: the visited controls, as a table per page.
// Every button visited shows a focus mark while it has the focus.
TEST(MainWindow, TabVisitsEachPageInOrder) {
    const std::pair<int, std::vector<std::string>> pages[] = {
        {IDC_MAIN_TAB_HOME, {"Home tab", "Scan", "Download", "hide", "exit"}},
        // Two results: their tick, download and details buttons, not their texts.
        {IDC_MAIN_TAB_VELTRA, {"Update tab", "manual", "row 1 column 0", "row 1 column 5", "row 1 column 6",
                               "row 2 column 0", "row 2 column 5", "row 2 column 6", "information", "Scan",
                               "Download", "hide", "exit"}},
        {IDC_MAIN_TAB_HISTORY, {"History tab", "information", "Scan", "Download", "hide", "exit"}},
        // The day of the week is off for the monthly reminder.
        {IDC_MAIN_TAB_SETTING, {"Setting tab", "frequency", "date", "Apply", "Default", "Scan", "Download", "hide",
                                "exit"}},
        {IDC_MAIN_TAB_ABOUT, {"About tab", "Support", "Scan", "Download", "hide", "exit"}},
    };
    MainWindowRun run(2);
    std::vector<std::string> actual, expected, unmarked;
    run.Run([&](MainWindowRun& r) {
        SetForegroundWindow(r.Main());
        for (const auto& [tab, order] : pages) {
            Click(GetDlgItem(r.Main(), tab));
            SendMessageW(r.Main(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(r.Main(), tab)), TRUE);
            HWND start = FocusOf(r.Main());
            std::string visited = ControlName(r.Main(), start);
            std::vector<std::uint32_t> focusedLook = SettledPixels(start);
            for (int step = 0; step < 40; ++step) {
                HWND before = FocusOf(r.Main());
                PressKey(VK_TAB);
                PumpUntil([&] { return FocusOf(r.Main()) != before; }, 1000);
                HWND now = FocusOf(r.Main());
                // A button looks otherwise with the focus than without: its focus mark, which
                // goes when the button repaints, late on a busy machine.
                wchar_t kind[8]{};
                if (GetClassNameW(before, kind, 8) == 6 &&
                    !PumpUntil([&] { return SettledPixels(before) != focusedLook; }, 3000))
                    unmarked.push_back(ControlName(r.Main(), before));
                if (now == start || now == before) break;
                visited += ", " + ControlName(r.Main(), now);
                focusedLook = SettledPixels(now);
            }
            actual.push_back(visited);
            std::string wanted;
            for (const std::string& name : order) wanted += (wanted.empty() ? "" : ", ") + name;
            expected.push_back(wanted);
        }
        EndMainWindow(r.Main());
    });
    EXPECT_THAT(actual, ElementsAreArray(expected));
    EXPECT_THAT(unmarked, ElementsAre());
}

// Callbacks are named functions: the 32-bit build needs their calling convention.
BOOL CALLBACK FindShownTooltip(HWND window, LPARAM found) {
    wchar_t kind[32]{};
    GetClassNameW(window, kind, 32);
    if (IsWindowVisible(window) && std::wstring(kind) == TOOLTIPS_CLASSW) *reinterpret_cast<HWND*>(found) = window;
    return *reinterpret_cast<HWND*>(found) == nullptr;
}

// The text of the tooltip the window's thread shows, or "none".
std::string ShownTooltip(HWND main) {
    HWND tip = nullptr;
    EnumThreadWindows(GetWindowThreadProcessId(main, nullptr), FindShownTooltip, reinterpret_cast<LPARAM>(&tip));
    return tip == nullptr ? "none" : Utf16ToUtf8(FromWide(WindowText(tip)));
}

// The mouse moved as a hand moves it, to a point of the screen.
void MoveMouse(int x, int y) {
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof(INPUT));
}

// A name cut at its cell's end shows whole in a tooltip while the mouse rests on it; a name
// that fits has none.
TEST(MainWindow, ACutNameShowsWholeInATooltipOnHover) {
    MainWindowRun run(2);
    std::vector<std::string> tips;
    run.Run([&](MainWindowRun& r) {
        SetForegroundWindow(r.Main());
        Click(GetDlgItem(r.Main(), IDC_MAIN_TAB_VELTRA));
        for (int row : {1, 2}) {
            RECT cell{};
            GetWindowRect(r.Item(Page::Update, IDC_UPD_LIST_FIRST + 8 * row + 2), &cell);
            MoveMouse(cell.left + 10, (cell.top + cell.bottom) / 2);
            std::string tip;
            PumpUntil([&] { return (tip = ShownTooltip(r.Main())) != "none"; }, 2500);
            tips.push_back(tip);
        }
        EndMainWindow(r.Main());
    });
    EXPECT_THAT(tips, ElementsAre("none", "Item 2 graphics driver for the whole series"));
}

// Every text the window shows fits its box at the font it is drawn in, on every page: the
// labels as they break into lines, the buttons' captions on one line between their margins.
TEST(MainWindow, EveryTextFitsItsBoxOnEveryPage) {
    MainWindowRun run(1);
    std::vector<std::string> cut;
    run.Run([&](MainWindowRun& r) {
        for (int tab = IDC_MAIN_TAB_HOME; tab <= IDC_MAIN_TAB_ABOUT; ++tab) {
            if (tab == IDC_MAIN_PAGE_AREA) continue;
            Click(GetDlgItem(r.Main(), tab));
            for (const std::string& text : CutTexts(r.Main())) cut.push_back(std::to_string(tab) + ": " + text);
        }
        EndMainWindow(r.Main());
    });
    EXPECT_THAT(cut, ElementsAre());
}

// A tab shows its page as the page's own paint draws it: the switch paints the page and its
// controls into one picture at once, which must be the picture a full repaint gives.
TEST(MainWindow, PageSwitchShowsThePageAsItsOwnPaintWould) {
    const std::pair<int, Page> tabs[] = {{IDC_MAIN_TAB_VELTRA, Page::Update},   {IDC_MAIN_TAB_HISTORY, Page::History},
                                         {IDC_MAIN_TAB_SETTING, Page::Setting}, {IDC_MAIN_TAB_ABOUT, Page::About},
                                         {IDC_MAIN_TAB_HOME, Page::Home}};
    MainWindowRun run(8);  // the update list with its scroll bar
    std::vector<std::string> differences;
    run.Run([&](MainWindowRun& r) {
        RECT place{};
        GetWindowRect(r.Main(), &place);
        SetCursorPos(place.left + 300, place.top + 40);  // the window's bare top: no control hovered
        for (const auto& [tab, page] : tabs) {
            Click(GetDlgItem(r.Main(), tab));
            RedrawWindow(r.Main(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            const std::vector<std::uint32_t> shown = SettledPixels(r.PageOf(page));
            RedrawWindow(r.PageOf(page), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            const std::vector<std::uint32_t> repainted = SettledPixels(r.PageOf(page));
            differences.push_back(shown.size() != repainted.size() ? "another size"
                                  : std::to_string(std::inner_product(shown.begin(), shown.end(), repainted.begin(), 0,
                                                                      std::plus<>(), std::not_equal_to<>())) +
                                        " pixels differ");
        }
        EndMainWindow(r.Main());
    });
    EXPECT_THAT(differences, ::testing::Each("0 pixels differ"));
}

}  // namespace
}  // namespace veltra
