#include <windows.h>
#include <commctrl.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ids/information.h"
#include "ids/main_dialog.h"
#include "core/text.h"
#include "ids/update_page.h"
#include "main_window_fixture.h"
#include "support/test_window.h"
#include "platform/win32/wide.h"

namespace veltra {
namespace {

using namespace winetest;
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
        {IDC_MAIN_TAB_SETTING, {"Display Page4 : Setting"}, "Setting, apply+default"},
        {IDC_MAIN_TAB_HISTORY, {"Display Page3 : History"}, "History"},
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
            WaitFor([&] {
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

std::wstring Text(HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}

struct ListCase {
    int results;
    std::vector<std::pair<int, int>> scrolls;  // code, position
    bool scrollBar;
    int lastEnabledRow;
    std::wstring firstItem;  // row 1, column 2
    std::wstring lastItem;   // row 6, column 2
};

// The update page's six rows over the result list, as the window shows them (each scroll
// code's move is ListScroll's native test).
TEST(MainWindow, UpdatePageRowsFollowTheResultsAndTheScrollBar) {
    const ListCase cases[] = {
        {3, {}, false, 3, L"Item 1", L""},
        {13, {{SB_THUMBPOSITION, 4}, {SB_PAGEDOWN, 0}}, true, 6, L"Item 8", L"Item 13"},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.results);
        MainWindowRun run(c.results);
        bool scrollBar = false;
        int lastEnabled = 0;
        std::wstring first, last;
        run.Run([&](MainWindowRun& r) {
            Click(GetDlgItem(r.Main(), IDC_MAIN_TAB_VELTRA));
            const HWND page = r.PageOf(Page::Update);
            const HWND bar = GetDlgItem(page, IDC_UPD_SCROLL);
            for (auto [code, position] : c.scrolls)
                SendMessageW(page, WM_VSCROLL, MAKEWPARAM(code, position), reinterpret_cast<LPARAM>(bar));
            scrollBar = IsWindowVisible(bar) != 0;
            for (int row = 1; row <= 6; ++row) {
                const bool enabled = IsWindowEnabled(GetDlgItem(page, IDC_UPD_LIST_FIRST + 8 * row)) &&
                                     IsWindowEnabled(GetDlgItem(page, IDC_UPD_LIST_FIRST + 8 * row + 5)) &&
                                     IsWindowEnabled(GetDlgItem(page, IDC_UPD_LIST_FIRST + 8 * row + 6));
                if (enabled) lastEnabled = row;
            }
            first = Text(GetDlgItem(page, IDC_UPD_LIST_FIRST + 8 + 2));
            last = Text(GetDlgItem(page, IDC_UPD_LIST_FIRST + 48 + 2));
            EndMainWindow(r.Main());
        });
        EXPECT_EQ(scrollBar, c.scrollBar);
        EXPECT_EQ(lastEnabled, c.lastEnabledRow);
        EXPECT_EQ(first, c.firstItem);
        EXPECT_EQ(last, c.lastItem);
    }
}

// The exit button asks first; Cancel keeps the program, OK ends it.
TEST(MainWindow, ExitIsConfirmedByTheMessageBox) {
    MainWindowRun run(0);
    std::vector<std::string> seen;
    const INT_PTR result = run.Run([&](MainWindowRun& r) {
        for (const int answer : {IDCANCEL, IDOK}) {
            PostMessageW(GetDlgItem(r.Main(), IDC_MAIN_EXIT), BM_CLICK, 0, 0);
            HWND box = nullptr;
            WaitFor([&] { return (box = PopupOf(r.Main())) != nullptr; });
            if (box == nullptr) {
                EndMainWindow(r.Main());
                return;
            }
            wchar_t text[128] = L"";
            GetDlgItemTextW(box, 1140, text, 128);
            seen.push_back(Utf16ToUtf8(FromWide(text)));
            PostMessageW(box, WM_COMMAND, answer, 0);
            WaitFor([&] { return !IsWindow(box); });
            SendMessageW(r.Main(), WM_NULL, 0, 0);  // the exit handler has returned
            // After OK the modal loop ends and takes the window with it, shortly after.
            const bool gone = WaitFor([&] { return !IsWindowVisible(r.Main()); }, answer == IDOK ? 3000 : 0);
            seen.push_back(gone ? "main window gone" : "main window shown");
        }
    });
    EXPECT_THAT(seen, ElementsAreArray({"Are you sure ? Click OK will exit Veltra 5 !!", "main window shown",
                                        "Are you sure ? Click OK will exit Veltra 5 !!", "main window gone"}));
    EXPECT_EQ(result, IDOK);
}

// Started with /REMINDER the window leaves the screen at once and comes back, centred,
// when the tray icon asks for it.
TEST(MainWindow, ReminderStartHidesTheWindowUntilTheTrayBringsItBack) {
    MainWindowRun run(0, true);
    bool hidden = false;
    RECT place{};
    run.Run([&](MainWindowRun& r) {
        // Off the screen: hidden and without a size. Waiting for both also waits for the end of
        // the set-up, which may answer sent messages (the tray icon's) before it is done.
        hidden = WaitFor([&] {
            RECT now{};
            return !IsWindowVisible(r.Main()) && GetWindowRect(r.Main(), &now) && IsRectEmpty(&now);
        }, 2000);
        SendMessageW(r.Main(), WM_SHOW_MAIN_WINDOW, 0, 0);
        GetWindowRect(r.Main(), &place);
        EndMainWindow(r.Main());
    });
    EXPECT_TRUE(hidden);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - 760) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - GetSystemMetrics(SM_CYICON) - 559) / 2;
    EXPECT_EQ(place.left, x);
    EXPECT_EQ(place.top, y);
    EXPECT_EQ(place.right - place.left, 760);
    EXPECT_EQ(place.bottom - place.top, 560);
}

// Up and Down, pressed anywhere on the update page, move its information panel one line
// and give it the focus; other keys leave it where it is.
TEST(MainWindow, ArrowKeysMoveTheInformationPanel) {
    MainWindowRun run(3);
    std::vector<int> tops;
    bool panelFocused = false;
    run.Run([&](MainWindowRun& r) {
        Click(GetDlgItem(r.Main(), IDC_MAIN_TAB_VELTRA));
        const HWND panel = FindWindowExW(r.PageOf(Page::Update), nullptr, L"#32770", nullptr);
        const HWND list = GetDlgItem(panel, IDC_INFORMATION_LIST);
        for (int line = 0; line < 12; ++line) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"line"));
        SetForegroundWindow(r.Main());
        for (WORD key : {WORD{VK_RIGHT}, WORD{VK_DOWN}, WORD{VK_DOWN}, WORD{VK_UP}}) {
            const auto before = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
            INPUT presses[2] = {};
            for (INPUT& press : presses) {
                press.type = INPUT_KEYBOARD;
                press.ki.wVk = key;
            }
            presses[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, presses, sizeof(INPUT));
            WaitFor([&] { return SendMessageW(list, LB_GETTOPINDEX, 0, 0) != before; }, key == VK_RIGHT ? 300 : 3000);
            tops.push_back(static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)));
        }
        GUITHREADINFO thread{};
        thread.cbSize = sizeof(thread);
        GetGUIThreadInfo(GetWindowThreadProcessId(r.Main(), nullptr), &thread);
        panelFocused = thread.hwndFocus == panel || thread.hwndFocus == list;
        EndMainWindow(r.Main());
    });
    EXPECT_THAT(tops, ElementsAreArray({0, 1, 2, 1}));
    EXPECT_TRUE(panelFocused);
}

// The windows of one thread that were sent or dispatched a message (WM_PAINT unless told)
// while the recorder exists.
class MessageRecorder {
public:
    explicit MessageRecorder(HWND window, UINT message = WM_PAINT) {
        const DWORD thread = GetWindowThreadProcessId(window, nullptr);
        message_ = message;
        sent_ = SetWindowsHookExW(WH_CALLWNDPROC, &Sent, nullptr, thread);
        dispatched_ = SetWindowsHookExW(WH_GETMESSAGE, &Dispatched, nullptr, thread);
    }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;
    ~MessageRecorder() {
        UnhookWindowsHookEx(sent_);
        UnhookWindowsHookEx(dispatched_);
    }
    std::set<HWND> Take() {
        const std::lock_guard<std::mutex> lock(mutex_);
        return std::exchange(windows_, {});
    }

private:
    static void Add(UINT message, HWND window) {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (message == message_) windows_.insert(window);
    }
    static LRESULT CALLBACK Sent(int code, WPARAM wParam, LPARAM lParam) {
        const auto& sent = *reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION) Add(sent.message, sent.hwnd);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK Dispatched(int code, WPARAM wParam, LPARAM lParam) {
        const auto& taken = *reinterpret_cast<const MSG*>(lParam);
        if (code == HC_ACTION && wParam == PM_REMOVE) Add(taken.message, taken.hwnd);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline std::mutex mutex_;
    static inline UINT message_ = WM_PAINT;
    static inline std::set<HWND> windows_;
    HHOOK sent_ = nullptr, dispatched_ = nullptr;
};

// A window's client area as the screen shows it, 32 bits a pixel, rows from the top.
struct Pixels {
    int width = 0;
    std::vector<std::uint32_t> bits;
};
Pixels ScreenPixels(HWND window) {
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
    Pixels pixels{area.right, std::vector<std::uint32_t>(first, first + area.right * area.bottom)};
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(copy);
    ReleaseDC(window, screen);
    return pixels;
}

// The window as the screen shows it once two looks in a row agree: Wine copies a window's
// drawing to the display a moment after it is made, so one look may catch it half copied.
Pixels SettledPixels(HWND window) {
    Pixels last = ScreenPixels(window);
    for (int look = 0; look < 50; ++look) {
        Sleep(20);
        Pixels now = ScreenPixels(window);
        if (now.bits == last.bits) break;
        last = std::move(now);
    }
    return last;
}

// Where two pictures of one window differ: empty when they are equal, else the count and
// the bounding box of the differing pixels, to find the control at fault.
std::string Difference(const Pixels& a, const Pixels& b) {
    if (a.width != b.width || a.bits.size() != b.bits.size()) return "another size";
    int count = 0;
    RECT box{a.width, INT_MAX, -1, -1};
    for (std::size_t i = 0; i < a.bits.size(); ++i) {
        if (a.bits[i] == b.bits[i]) continue;
        const int x = static_cast<int>(i) % a.width, y = static_cast<int>(i) / a.width;
        ++count;
        box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x), std::max<LONG>(box.bottom, y)};
    }
    if (count == 0) return "";
    return std::to_string(count) + " pixels in " + std::to_string(box.left) + "," + std::to_string(box.top) + "-" +
           std::to_string(box.right) + "," + std::to_string(box.bottom);
}

std::string NameOf(MainWindowRun& run, HWND window) {
    static const std::pair<int, const char*> kMainControls[] = {
        {IDC_MAIN_TAB_HOME, "tab Home"},       {IDC_MAIN_TAB_VELTRA, "tab Update"}, {IDC_MAIN_TAB_HISTORY, "tab History"},
        {IDC_MAIN_TAB_SETTING, "tab Setting"}, {IDC_MAIN_TAB_ABOUT, "tab About"},   {IDC_MAIN_APPLY, "Apply"},
        {IDC_MAIN_DEFAULT, "Default"}};
    if (window == run.Main()) return "main window";
    for (auto [id, name] : kMainControls)
        if (window == GetDlgItem(run.Main(), id)) return name;
    static const char* const kPageNames[] = {"Home", "Update", "History", "Setting", "About"};
    for (int p = 0; p < kPageCount; ++p) {
        const HWND page = run.PageOf(Page(p));
        if (window == page) return kPageNames[p] + std::string(" page");
        if (IsChild(page, window)) return kPageNames[p] + std::string(" page control ") + std::to_string(GetDlgCtrlID(window));
    }
    return "another window";
}

struct SwitchStep {
    int tab;
    Page page;
    std::vector<std::string> painted;  // sorted
};

// A tab shows its page painted whole at once: no control on it paints itself, the page
// looks as its own paint draws it, and only the tabs and the buttons that come and go
// (Apply and Default belong to Setting) paint after the switch.
TEST(MainWindow, PageSwitchPaintsThePageAtOnceAsItsOwnPaintWould) {
    const SwitchStep steps[] = {
        {IDC_MAIN_TAB_VELTRA, Page::Update, {"tab Home", "tab Update"}},
        {IDC_MAIN_TAB_HISTORY, Page::History, {"tab History", "tab Update"}},
        {IDC_MAIN_TAB_SETTING, Page::Setting, {"Apply", "Default", "tab History", "tab Setting"}},
        {IDC_MAIN_TAB_ABOUT, Page::About, {"main window", "tab About", "tab Setting"}},
        {IDC_MAIN_TAB_HOME, Page::Home, {"tab About", "tab Home"}},
    };
    MainWindowRun run(3);
    std::vector<std::vector<std::string>> painted;
    std::vector<std::string> differences;
    run.Run([&](MainWindowRun& r) {
        {
            // The mouse onto the window's bare top, away from the pages: it starts over a list
            // row, and the window's thread knows where it is only from a move it receives.
            MessageRecorder moves(r.Main(), WM_MOUSEMOVE);
            RECT place{};
            GetWindowRect(r.Main(), &place);
            SetCursorPos(place.left + 300, place.top + 40);
            WaitFor([&] { return moves.Take().contains(r.Main()); });
        }
        RedrawWindow(r.Main(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        MessageRecorder recorder(r.Main());
        for (const SwitchStep& step : steps) {
            recorder.Take();
            Click(GetDlgItem(r.Main(), step.tab));
            // Whatever the switch left to paint, painted now, on the window's thread.
            RedrawWindow(r.Main(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            std::set<std::string> names;
            for (HWND window : recorder.Take()) names.insert(NameOf(r, window));
            painted.emplace_back(names.begin(), names.end());
            const HWND page = r.PageOf(step.page);
            const Pixels shown = SettledPixels(page);
            RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            differences.push_back(Difference(shown, SettledPixels(page)));
        }
        EndMainWindow(r.Main());
    });
    std::vector<std::vector<std::string>> expected;
    for (const SwitchStep& step : steps) expected.push_back(step.painted);
    EXPECT_THAT(painted, ElementsAreArray(expected));
    EXPECT_THAT(differences, ElementsAreArray({"", "", "", "", ""}));
}

// Resting the mouse on a row's download button shows its tip, yellow on blue.
TEST(MainWindow, DownloadButtonShowsItsTipOnHover) {
    MainWindowRun run(3);
    std::wstring text;
    int blue = 0, yellow = 0, pixels = 0;
    run.Run([&](MainWindowRun& r) {
        Click(GetDlgItem(r.Main(), IDC_MAIN_TAB_VELTRA));
        RECT button{};
        GetWindowRect(r.Item(Page::Update, IDC_UPD_LIST_FIRST + 8 + 5), &button);
        SetCursorPos(button.left + 5, button.top + 5);
        SetCursorPos(button.left + 10, button.top + 10);
        HWND tip = nullptr;
        WaitFor([&] {
            tip = FindWindowW(TOOLTIPS_CLASSW, nullptr);
            return tip != nullptr && IsWindowVisible(tip);
        }, 5000);
        if (tip != nullptr) {
            SendMessageW(tip, WM_NULL, 0, 0);  // painted
            wchar_t tipText[80] = L"";
            TOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.lpszText = tipText;
            if (SendMessageW(tip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool))) text = tipText;
            RECT place{};
            GetWindowRect(tip, &place);
            HDC screen = GetDC(nullptr);
            for (int y = place.top + 2; y < place.bottom - 2; ++y) {
                for (int x = place.left + 2; x < place.right - 2; ++x, ++pixels) {
                    const COLORREF colour = GetPixel(screen, x, y);
                    blue += colour == RGB(0, 0, 255);
                    yellow += GetRValue(colour) > 200 && GetGValue(colour) > 200 && GetBValue(colour) < 80;
                }
            }
            ReleaseDC(nullptr, screen);
        }
        SetCursorPos(0, 0);
        EndMainWindow(r.Main());
    });
    EXPECT_EQ(text, L"Download and Install");
    EXPECT_GT(blue, pixels / 2);
    EXPECT_GT(yellow, 10);
}

}  // namespace
}  // namespace veltra
