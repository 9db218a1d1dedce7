// The progress bar's pixels at 0 and 100, read back from its window.
#include "controls/win32/echo_progress_bar.h"

#include <commctrl.h>
#include <gmock/gmock.h>

#include "host_dialog.h"

namespace veltra {
namespace {

using BarDialog = winetest::HostDialog<CEchoProgressBar>;

TEST(EchoProgressBar, PixelsAtZeroAndHundred) {
    BarDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    dialog.Place(0, 0, 300, 100);
    dialog.control.Attach(dialog.Handle(), IDC_MSG_TEXT);
    dialog.control.Place(10, 10, 100, 30);
    SendMessageW(dialog.control.Handle(), PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    ShowWindow(dialog.Handle(), SW_SHOWNOACTIVATE);

    // Row 15: grey 204 - 4 * 15 = 144; bar row 12 of 24: 255 - 9 * 12, 112 - 4 * 12, 127 - 5 * 12.
    const COLORREF grey = RGB(144, 144, 144), bar = RGB(147, 64, 67);
    struct Case {
        int position;
        int x;
        COLORREF colour;
    };
    const Case cases[] = {
        {0, 3, grey},    // at 0 the bar line runs from 3 to 3: nothing is drawn
        {100, 3, bar},
        {100, 96, bar},
        {100, 97, grey},  // the bar's end point is not drawn
    };
    for (const Case& c : cases) {
        SendMessageW(dialog.control.Handle(), PBM_SETPOS, static_cast<WPARAM>(c.position), 0);
        UpdateWindow(dialog.control.Handle());
        HDC dc = GetDC(dialog.control.Handle());
        EXPECT_EQ(GetPixel(dc, c.x, 15), c.colour) << "position " << c.position << " x " << c.x;
        ReleaseDC(dialog.control.Handle(), dc);
    }
    EXPECT_EQ(SendMessageW(dialog.control.Handle(), PBM_SETPOS, 250, 0), 100);
    EXPECT_EQ(SendMessageW(dialog.control.Handle(), PBM_GETPOS, 0, 0), 100) << "kept inside the range";
}

}  // namespace
}  // namespace veltra
