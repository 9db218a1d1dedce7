#include "ui/win32/about_page.h"

#include <shellapi.h>

#include "ids/about_page.h"
#include "ids/bitmaps.h"

#ifndef VELTRA_SUPPORT_SITE
#error "VELTRA_SUPPORT_SITE names the maker's support site"
#endif

namespace veltra {
namespace {

constexpr COLORREF kGrey = RGB(0xC8, 0xC8, 0xC8);
constexpr int kTextX = 320;

}  // namespace

AboutLinks AboutLinksFor(const std::wstring& updateServer) { return {updateServer + L"/", L"" VELTRA_SUPPORT_SITE}; }

CPAGE_ABOUT::CPAGE_ABOUT(std::wstring workPath, std::wstring appVersion, AboutLinks links)
    : CBitmapDialog(IDD_PAGE_ABOUT),
      workPath_(std::move(workPath)),
      appVersion_(std::move(appVersion)),
      links_(std::move(links)) {}

BOOL CPAGE_ABOUT::OnInitDialog() {
    Place(0, 0, 760, 385);
    SetBitmap(workPath_ + L"VT5\\skin\\about_bg.bmp");
    struct Line {
        int id;
        std::wstring text;
        int y;
        int points;
        COLORREF colour;
    };
    const Line lines[] = {
        {IDC_ABOUT_TITLE, L"About", 50, 12, RGB(255, 255, 255)},
        {IDC_ABOUT_PRODUCT, L"norva Veltra", 95, 14, RGB(255, 255, 255)},
        {IDC_ABOUT_VERSION, L"Version : " + appVersion_, 130, 10, kGrey},
        {IDC_ABOUT_NOTICE1, L"Copyright (C) Norva Technology Co., Ltd.", 175, 10, kGrey},
        {IDC_ABOUT_NOTICE2, L"All rights reserved.", 195, 10, kGrey},
        {IDC_ABOUT_LINK, links_.mainSite, 235, 10, kGrey},
    };
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i].Attach(Handle(), lines[i].id);
        labels_[i].SetTransparent(true).SetTextColor(lines[i].colour).SetFontSize(lines[i].points).SetText(lines[i].text);
        // Right of the background's divider; the logo fills the left.
        labels_[i].Place(kTextX, lines[i].y, 360, lines[i].points + 16);
    }
    labels_[0].SetFontBold(true);
    labels_[5].SetFontUnderline(true).SetLink(true, true).SetLinkTarget(links_.mainSite);
    labels_[5].SetLinkCursor(LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_LINK_HAND)));
    support_.Attach(Handle(), IDC_ABOUT_SUPPORT);
    support_.SetSkin(IDB_ACTION_NORMAL, IDB_ACTION_PRESSED, IDB_ACTION_HOVER, IDB_ACTION_NORMAL);
    support_.Place(kTextX, 280, 107, 32);
    return FALSE;
}

void CPAGE_ABOUT::OnCommand(int id, int code, HWND control) {
    if (id == IDC_ABOUT_SUPPORT && code == BN_CLICKED) {
        ShellExecuteW(nullptr, L"open", links_.supportSite.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        return;
    }
    CBitmapDialog::OnCommand(id, code, control);
}

}  // namespace veltra
