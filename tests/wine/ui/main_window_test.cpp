#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

#include "core/text.h"
#include "ids/main_dialog.h"
#include "ids/update_page.h"
#include "main_window_fixture.h"
#include "platform/win32/wide.h"
#include "support/test_window.h"

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

// The window as the screen shows it once two looks in a row agree: Wine copies a window's
// drawing to the display a moment after it is made, so one look may catch it half copied.
std::vector<std::uint32_t> SettledPixels(HWND window) {
    std::vector<std::uint32_t> last = ScreenPixels(window);
    for (int look = 0; look < 50; ++look) {
        Sleep(20);
        std::vector<std::uint32_t> now = ScreenPixels(window);
        if (now == last) break;
        last = std::move(now);
    }
    return last;
}

// A tab shows its page as the page's own paint draws it: the switch paints the page and its
// controls into one picture at once, which must be the picture a full repaint gives.
TEST(MainWindow, PageSwitchShowsThePageAsItsOwnPaintWould) {
    const std::pair<int, Page> tabs[] = {{IDC_MAIN_TAB_VELTRA, Page::Update},   {IDC_MAIN_TAB_HISTORY, Page::History},
                                         {IDC_MAIN_TAB_SETTING, Page::Setting}, {IDC_MAIN_TAB_ABOUT, Page::About},
                                         {IDC_MAIN_TAB_HOME, Page::Home}};
    MainWindowRun run(3);
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
