// The leave confirmation box and the information panel, with the program's templates.
#include "controls/win32/message_box.h"

#include <gmock/gmock.h>

#include <string>

#include "controls/win32/information.h"
#include "ids/information.h"
#include "ids/message_box.h"
#include "support/child_process.h"

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

}  // namespace
}  // namespace veltra
