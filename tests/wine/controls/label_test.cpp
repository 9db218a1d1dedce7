// A label drawn over its dialog's picture, or on its own colour.
#include "controls/win32/label.h"

#include <gmock/gmock.h>

#include "host_dialog.h"
#include "support/child_process.h"

namespace veltra {
namespace {

using LabelDialog = winetest::HostDialog<CLabel>;

TEST(Label, TransparentShowsTheDialogPictureBehindIt) {
    LabelDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    ASSERT_TRUE(dialog.SetBitmap(winetest::ProgramFolder() + L"VT5\\skin\\MBG.bmp"));
    dialog.Place(0, 0, 760, 560);
    dialog.control.Attach(dialog.Handle(), IDC_MSG_TEXT);
    dialog.control.Place(10, 10, 200, 40);  // over the logo, so the picture differs from a plain fill
    dialog.control.SetText(L"");
    ShowWindow(dialog.Handle(), SW_SHOWNOACTIVATE);

    HDC picture = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(picture, dialog.Bitmap());
    struct Case {
        bool transparent;
        POINT at;  // in the label
        COLORREF expected;
    };
    const Case cases[] = {
        {true, {20, 15}, GetPixel(picture, 30, 25)},
        {false, {20, 15}, RGB(10, 20, 30)},
    };
    SelectObject(picture, previous);
    DeleteDC(picture);
    for (const Case& c : cases) {
        dialog.control.SetTransparent(c.transparent).SetBkColor(RGB(10, 20, 30));
        UpdateWindow(dialog.control.Handle());
        HDC dc = GetDC(dialog.control.Handle());
        EXPECT_EQ(GetPixel(dc, c.at.x, c.at.y), c.expected) << c.at.x << "," << c.at.y;
        ReleaseDC(dialog.control.Handle(), dc);
    }
    EXPECT_NE(GetWindowLongPtrW(dialog.control.Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT, 0);
}

}  // namespace
}  // namespace veltra
