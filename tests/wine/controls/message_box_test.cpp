// The leave confirmation box and the information panel, with the program's templates.
#include "controls/win32/message_box.h"

#include <gmock/gmock.h>

#include <string>

#include "controls/win32/information.h"
#include "ids/information.h"
#include "ids/message_box.h"
#include "support/child_process.h"
#include "support/test_window.h"

namespace veltra {
namespace {

struct Seen {
    std::wstring text;
    RECT window{};
    bool browseVisible = true;
};

// Finds this thread's message box once it is up, notes what it shows and presses a button.
Seen seen;
int pressed = 0;
BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    if (!IsWindowVisible(window) || GetDlgItem(window, IDC_MSG_TEXT) == nullptr) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}
void CALLBACK PressWhenShown(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) return;
    KillTimer(nullptr, timer);
    wchar_t text[200] = {};
    GetWindowTextW(GetDlgItem(box, IDC_MSG_TEXT), text, 200);
    seen.text = text;
    GetWindowRect(box, &seen.window);
    seen.browseVisible = IsWindowVisible(GetDlgItem(box, IDC_MSG_BROWSE)) != FALSE;
    SendMessageW(GetDlgItem(box, pressed), BM_CLICK, 0, 0);
}

TEST(LeaveConfirmation, AnswersOkOrCancel) {
    for (int button : {IDOK, IDCANCEL}) {
        CMSG box(CMSG::kLeaveConfirmation, winetest::ProgramFolder());
        pressed = button;
        seen = {};
        SetTimer(nullptr, 0, 50, &PressWhenShown);
        EXPECT_EQ(box.DoModal(nullptr), button);
        EXPECT_EQ(seen.text, L"Are you sure ? Click OK will exit Veltra 5 !!");
        EXPECT_EQ(seen.window.right - seen.window.left, 286);
        EXPECT_EQ(seen.window.bottom - seen.window.top, 141);
        EXPECT_EQ(seen.window.left, (GetSystemMetrics(SM_CXSCREEN) - 286) / 2) << "in the middle of the screen";
        EXPECT_FALSE(seen.browseVisible);
    }
}

class Owner : public CBitmapDialog {
public:
    Owner() : CBitmapDialog(IDD_MSG) {}
};

TEST(InformationPanel, LinesAndTheirItemValues) {
    Owner owner;
    ASSERT_TRUE(owner.Create(nullptr));
    CINFORMATION panel(winetest::ProgramFolder());
    ASSERT_TRUE(panel.Create(owner.Handle()));
    RECT size{};
    GetWindowRect(panel.Handle(), &size);
    EXPECT_EQ(size.right - size.left, 619);
    EXPECT_EQ(size.bottom - size.top, 98);

    panel.SetInformation(L"BIOS 1.20\n\nBoot fix");
    panel.SetInformation(L"\n\n");
    HWND list = panel.Item(IDC_INFORMATION_LIST);
    ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 3);
    const LRESULT values[] = {0, 1, 0};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(i), 0), values[i]);
    EXPECT_EQ(SendMessageW(list, LB_GETTEXTLEN, 2, 0), 0) << "only line feeds: one empty line";
    EXPECT_GT(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 8) << "measured on the list's font";
}

// The download folder box: Browse opens the shell's folder chooser, whose OK takes the
// folder it shows; then the box's own OK.
struct FolderChoice {
    int stage = 0;
    int ticks = 0;
    HWND box = nullptr;
    std::wstring before, after;
} choice;
BOOL CALLBACK FindChooser(HWND window, LPARAM found) {
    if (!IsWindowVisible(window) || FindWindowExW(window, nullptr, L"SysTreeView32", nullptr) == nullptr) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}
void CALLBACK ChooseFolderWhenShown(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND chooser = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindChooser, reinterpret_cast<LPARAM>(&chooser));
    if (++choice.ticks > 200) {  // ten seconds: give up, the test fails on the texts
        KillTimer(nullptr, timer);
        if (chooser != nullptr) PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
        if (choice.box != nullptr) PostMessageW(choice.box, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    if (choice.stage == 0) {
        EnumThreadWindows(GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&choice.box));
        if (choice.box == nullptr) return;
        choice.before = winetest::WindowText(GetDlgItem(choice.box, IDC_MSG_TEXT));
        PostMessageW(GetDlgItem(choice.box, IDC_MSG_BROWSE), BM_CLICK, 0, 0);
        choice.stage = 1;
    } else if (choice.stage == 1 && chooser != nullptr) {
        PostMessageW(chooser, WM_COMMAND, IDOK, 0);
        choice.stage = 2;
    } else if (choice.stage == 2 && chooser == nullptr) {
        choice.after = winetest::WindowText(GetDlgItem(choice.box, IDC_MSG_TEXT));
        KillTimer(nullptr, timer);
        PostMessageW(GetDlgItem(choice.box, IDOK), BM_CLICK, 0, 0);
    }
}

TEST(DownloadFolderBox, BrowseTakesTheChosenFolderWithABackslash) {
    CMSG box(CMSG::kDownloadFolder, winetest::ProgramFolder(), L"C:\\Veltra\\VT5\\DL_FILE\\");
    choice = {};
    SetTimer(nullptr, 0, 50, &ChooseFolderWhenShown);
    EXPECT_EQ(box.DoModal(nullptr), IDOK);
    EXPECT_EQ(choice.before, L"Save Path = C:\\Veltra\\VT5\\DL_FILE\\");
    const std::wstring folder = box.DownloadFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), L'\\');
    EXPECT_NE(folder, L"C:\\Veltra\\VT5\\DL_FILE\\") << "the chooser's folder was taken";
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    EXPECT_EQ(choice.after, L"Save Path = " + folder);
}

}  // namespace
}  // namespace veltra
