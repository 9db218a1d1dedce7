// The background, shape and drag of a bitmap dialog, with the program's own skins.
#include "controls/win32/bitmap_dialog.h"

#include <gmock/gmock.h>

#include <vector>

#include "ids/message_box.h"
#include "support/child_process.h"
#include "support/message_log.h"

namespace veltra {
namespace {

using winetest::LoggedMessage;

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

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return colour;
}

// Every pixel is in the window exactly when it is not the key colour; a background without
// it keeps the whole rectangle.
TEST(BitmapDialog, ShapeFollowsTheKeyColourOfTheBackground) {
    const struct {
        const wchar_t* skin;
        int width, height;
        bool keyed;
    } rows[] = {{L"MBG.bmp", 760, 560, true}, {L"home_bg.bmp", 760, 385, false}};
    for (const auto& row : rows) {
        PlainDialog dialog;
        ASSERT_TRUE(dialog.Open(row.skin));
        ASSERT_TRUE(dialog.MakeShaped());
        EXPECT_TRUE(dialog.MakeShaped()) << "a second call keeps the shape";
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetWindowRgn(dialog.Handle(), region), row.keyed ? COMPLEXREGION : SIMPLEREGION);
        RECT box{};
        GetRgnBox(region, &box);
        EXPECT_EQ((std::vector<LONG>{box.left, box.top, box.right, box.bottom}),
                  (std::vector<LONG>{0, 0, row.width, row.height}));
        if (!row.keyed) {  // one rectangle as large as the picture: the whole of it
            DeleteObject(region);
            continue;
        }
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ previous = SelectObject(dc, dialog.Bitmap());
        int mismatches = 0, cut = 0;
        for (int y = 0; y < row.height; ++y)
            for (int x = 0; x < row.width; ++x) {
                const bool key = GetPixel(dc, x, y) == RGB(255, 0, 0);
                cut += key ? 1 : 0;
                mismatches += (PtInRegion(region, x, y) != FALSE) == key ? 1 : 0;
            }
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(region);
        EXPECT_EQ(mismatches, 0);
        EXPECT_GT(cut, 4 * 20) << "the rounded corners are cut out";
    }
}

TEST(BitmapDialog, ErasePaintsTheBackgroundPicture) {
    PlainDialog dialog;
    ASSERT_TRUE(dialog.Open(L"MBG.bmp"));
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateBitmap(760, 560, 1, 32, nullptr);
    HGDIOBJ previous = SelectObject(dc, target);
    SendMessageW(dialog.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    for (POINT at : {POINT{40, 30}, POINT{380, 520}, POINT{0, 0}})
        EXPECT_EQ(GetPixel(dc, at.x, at.y), PixelOf(dialog.Bitmap(), at.x, at.y)) << at.x << "," << at.y;
    SelectObject(dc, previous);
    DeleteObject(target);
    DeleteDC(dc);
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
        winetest::TakePosted(dialog.Handle());
        SendMessageW(dialog.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20));
        EXPECT_EQ(winetest::TakePosted(dialog.Handle()), c.posted) << "drag " << c.drag;
    }
}

TEST(BitmapDialog, ModelessPageIgnoresEnterAndEsc) {
    PlainDialog page;
    ASSERT_TRUE(page.Open(L"home_bg.bmp"));
    for (int command : {IDOK, IDCANCEL}) {
        SendMessageW(page.Handle(), WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        EXPECT_TRUE(IsWindowVisible(page.Handle())) << "command " << command;
    }
}

}  // namespace
}  // namespace veltra
