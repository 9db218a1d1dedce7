// The background, shape and drag of a bitmap dialog, with the program's own skins.
#include "controls/win32/bitmap_dialog.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "ids/message_box.h"
#include "support/child_process.h"
#include "support/message_log.h"

namespace veltra {
namespace {

using winetest::LoggedMessage;

// The messages waiting in this thread's queue for `window`, taken out: posted ones only,
// as a pending WM_PAINT would come back for ever.
std::vector<LoggedMessage> TakePosted(HWND window) {
    std::vector<LoggedMessage> posted;
    MSG message;
    while (PeekMessageW(&message, window, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE))
        if (message.message != WM_TIMER) posted.push_back({message.message, message.wParam, message.lParam});
    return posted;
}

// A borderless popup from the message box's template, shown at the top left.
class PlainDialog : public CBitmapDialog {
public:
    PlainDialog() : CBitmapDialog(IDD_MSG) {}
    bool Open(const wchar_t* skin) {
        if (!Create(nullptr) || !SetBitmap(winetest::ProgramFolder() + L"VT5\\skin\\" + skin)) return false;
        BITMAP size{};
        GetObjectW(Bitmap(), sizeof size, &size);
        Place(0, 0, size.bmWidth, size.bmHeight);
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
        return true;
    }
};

// A colour that blends with the key colour: an anti-aliased cut edge would show a red fringe.
bool Reddish(COLORREF colour) {
    return GetRValue(colour) >= 128 && GetRValue(colour) - std::max(GetGValue(colour), GetBValue(colour)) >= 96;
}

// Every pixel of the main window's background is in the window exactly when it is not the
// key colour, and no pixel beside a cut one blends with it.
TEST(BitmapDialog, ShapeFollowsTheKeyColourOfTheBackground) {
    constexpr int kWidth = 760, kHeight = 560;
    PlainDialog dialog;
    ASSERT_TRUE(dialog.Open(L"MBG.bmp"));
    ASSERT_TRUE(dialog.MakeShaped());
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(dialog.Handle(), region), COMPLEXREGION);
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_EQ((std::vector<LONG>{box.left, box.top, box.right, box.bottom}), (std::vector<LONG>{0, 0, kWidth, kHeight}));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, dialog.Bitmap());
    int mismatches = 0, cut = 0, fringe = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const bool key = GetPixel(dc, x, y) == RGB(255, 0, 0);
            cut += key ? 1 : 0;
            mismatches += (PtInRegion(region, x, y) != FALSE) == key ? 1 : 0;
            if (!key) continue;
            for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
                const COLORREF beside = GetPixel(dc, x + dx, y + dy);
                fringe += beside != RGB(255, 0, 0) && Reddish(beside) ? 1 : 0;
            }
        }
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(region);
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(fringe, 0) << "reddish pixels beside the key colour";
    EXPECT_GT(cut, 4 * 20) << "the rounded corners are cut out";
}

TEST(BitmapDialog, PressAnywherePostsACaptionPress) {
    struct Case {
        bool drag;
        std::vector<LoggedMessage> posted;
    };
    const Case cases[] = {
        {true, {{WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(110, 220)}}},  // screen point of the press
        {false, {}},
    };
    for (const Case& c : cases) {
        PlainDialog dialog;
        ASSERT_TRUE(dialog.Open(L"vt5_bg_s.bmp"));
        dialog.Place(100, 200, 286, 141);
        dialog.SetDragAnywhere(c.drag);
        TakePosted(dialog.Handle());
        SendMessageW(dialog.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
        EXPECT_EQ(TakePosted(dialog.Handle()), c.posted) << "drag " << c.drag;
    }
}

}  // namespace
}  // namespace veltra
