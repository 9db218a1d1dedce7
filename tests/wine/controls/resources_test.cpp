// The program's resources as the windows load them.
#include <windows.h>

#include <gmock/gmock.h>

#include "ids/bitmaps.h"
#include "ids/tray.h"

namespace veltra {
namespace {

HINSTANCE Program() { return GetModuleHandleW(nullptr); }

TEST(Resources, TrayMenu) {
    HMENU menu = LoadMenuW(Program(), MAKEINTRESOURCEW(IDR_SYSTRAY));
    ASSERT_NE(menu, nullptr);
    wchar_t text[64] = {};
    GetMenuStringW(menu, 0, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"SYSTRAY");
    HMENU popup = GetSubMenu(menu, 0);
    ASSERT_EQ(GetMenuItemCount(popup), 2);
    EXPECT_EQ(GetMenuItemID(popup, 0), static_cast<UINT>(ID_SYSTRAY_RESTORE));
    EXPECT_EQ(GetMenuItemID(popup, 1), static_cast<UINT>(ID_SYSTRAY_EXIT));
    GetMenuStringW(popup, 1, text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, L"Exit");
    DestroyMenu(menu);
}

TEST(Resources, PicturesAtTheirSizes) {
    struct Case {
        int id, width, height;
    };
    const Case cases[] = {
        {IDB_TAB_NORMAL, 147, 36}, {IDB_ACTION_HOVER, 107, 32}, {IDB_EXIT_PRESSED, 37, 30},
        {IDB_ROW_DOWNLOAD_DISABLED, 30, 26}, {IDB_LIST_TITLE_HISTORY, 619, 34}, {IDB_CHOOSER_NORMAL, 120, 17},
        {IDB_ANSWER_HOVER, 124, 24},
    };
    for (const Case& c : cases) {
        auto* bitmap = static_cast<HBITMAP>(LoadImageW(Program(), MAKEINTRESOURCEW(c.id), IMAGE_BITMAP, 0, 0, 0));
        BITMAP info{};
        ASSERT_NE(GetObjectW(bitmap, sizeof info, &info), 0) << c.id;
        EXPECT_EQ(info.bmWidth, c.width) << c.id;
        EXPECT_EQ(info.bmHeight, c.height) << c.id;
        DeleteObject(bitmap);
    }
}

TEST(Resources, LinkCursorPointsWithTheFingertipAndTheIconHasSmallSizes) {
    HCURSOR hand = LoadCursorW(Program(), MAKEINTRESOURCEW(IDC_LINK_HAND));
    ASSERT_NE(hand, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(hand, &info));
    EXPECT_EQ(info.xHotspot, 11u);
    EXPECT_EQ(info.yHotspot, 2u);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    // The icon group lists its images after a 6-byte header: reserved, type, count.
    HRSRC group = FindResourceW(Program(), MAKEINTRESOURCEW(IDI_VELTRA), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    const auto* header = static_cast<const WORD*>(LockResource(LoadResource(Program(), group)));
    EXPECT_EQ(header[2], 3) << "16, 32 and 48 pixels";
}

}  // namespace
}  // namespace veltra
