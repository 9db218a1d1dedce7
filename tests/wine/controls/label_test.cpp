// A label drawn over its dialog's picture, or on its own colour.
#include "controls/win32/label.h"

#include <gmock/gmock.h>

#include <utility>

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
    dialog.control.Place(10, 10, 200, 40);
    dialog.control.SetText(L"");
    ShowWindow(dialog.Handle(), SW_SHOWNOACTIVATE);

    // A point in the label, over the logo: the picture there differs from a plain fill.
    HDC picture = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(picture, dialog.Bitmap());
    const std::pair<bool, COLORREF> cases[] = {{true, GetPixel(picture, 30, 25)}, {false, RGB(10, 20, 30)}};
    SelectObject(picture, previous);
    DeleteDC(picture);
    for (const auto& [transparent, expected] : cases) {
        dialog.control.SetTransparent(transparent).SetBkColor(RGB(10, 20, 30));
        UpdateWindow(dialog.control.Handle());
        HDC dc = GetDC(dialog.control.Handle());
        EXPECT_EQ(GetPixel(dc, 20, 15), expected) << "transparent " << transparent;
        ReleaseDC(dialog.control.Handle(), dc);
    }
}

}  // namespace
}  // namespace veltra
