// Which picture a skinned button shows, read back from the screen under Xvfb.
#include "controls/win32/skin_button.h"

#include <gmock/gmock.h>

#include "host_dialog.h"
#include "ids/bitmaps.h"
#include "support/child_process.h"

namespace veltra {
namespace {

COLORREF PictureCentre(int id) {
    auto* bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, 4, 18);  // inside the tab, away from its caption
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return colour;
}

using ButtonDialog = winetest::HostDialog<CxSkinButton>;

TEST(SkinButton, PictureInEveryState) {
    ButtonDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    dialog.Place(0, 0, 300, 100);
    dialog.control.Attach(dialog.Handle(), IDOK);
    dialog.control.Place(50, 30, 147, 36);
    dialog.control.SetSkin(IDB_TAB_NORMAL, IDB_TAB_PRESSED, IDB_TAB_HOVER, IDB_TAB_NORMAL);
    ShowWindow(dialog.Handle(), SW_SHOWNOACTIVATE);
    HWND button = dialog.control.Handle();
    HWND elsewhere = dialog.Item(IDCANCEL);

    struct Case {
        const char* name;
        bool pushed, mouseOver, capture;
        ButtonLook look;
        int picture;
    };
    const Case cases[] = {
        {"normal", false, false, false, ButtonLook::Normal, IDB_TAB_NORMAL},
        {"mouse over", false, true, false, ButtonLook::Hovered, IDB_TAB_HOVER},
        {"mouse over, capture held", false, true, true, ButtonLook::Normal, IDB_TAB_NORMAL},
        {"pushed (BM_SETSTATE)", true, false, false, ButtonLook::Pressed, IDB_TAB_PRESSED},
    };
    for (const Case& c : cases) {
        SendMessageW(button, BM_SETSTATE, c.pushed ? TRUE : FALSE, 0);
        SetCursorPos(c.mouseOver ? 120 : 280, c.mouseOver ? 48 : 90);
        if (c.capture) SetCapture(elsewhere);
        // The button learns of the mouse from the move and the leave the system sends it.
        winetest::PumpUntil([&] {
            RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            return dialog.control.LastLook() == c.look;
        }, 2000);
        EXPECT_EQ(dialog.control.LastLook(), c.look) << c.name;
        HDC screen = GetDC(button);
        EXPECT_EQ(GetPixel(screen, 4, 18), PictureCentre(c.picture)) << c.name;
        ReleaseDC(button, screen);
        if (c.capture) ReleaseCapture();
    }
}

}  // namespace
}  // namespace veltra
