#include "schedule/win32/setting_page.h"

#include "ids/bitmaps.h"
#include "ids/setting_page.h"
#include "ids/strings.h"

namespace veltra {
namespace {

struct LabelPlace {
    int id;
    int text;
    int x, y, width, height;
    int points;
    COLORREF colour;
};

constexpr LabelPlace kLabels[] = {
    {IDC_SET_TITLE, IDS_REMINDER_SETTING, 120, 40, 300, 30, 12, RGB(255, 255, 255)},
    {IDC_SET_FREQUENCY_LABEL, IDS_FREQUENCY, 120, 150, 100, 20, 10, RGB(0xC8, 0xC8, 0xC8)},
    {IDC_SET_WEEK_LABEL, IDS_WEEK, 120, 185, 100, 20, 10, RGB(0xC8, 0xC8, 0xC8)},
    {IDC_SET_DATE_LABEL, IDS_DATE, 120, 220, 100, 20, 10, RGB(0xC8, 0xC8, 0xC8)},
    {IDC_SET_HINT, IDS_SETTING_HINT, 120, 80, 560, 40, 10, RGB(0xC8, 0xC8, 0xC8)},
};

}  // namespace

CPAGE_SETTING::CPAGE_SETTING(std::wstring workPath) : CBitmapDialog(IDD_PAGE_SETTING), workPath_(std::move(workPath)) {}

BOOL CPAGE_SETTING::OnInitDialog() {
    Place(0, 0, 760, 385);
    SetBitmap(workPath_ + L"VT5\\skin\\bg_general.bmp");
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        const LabelPlace& place = kLabels[i];
        wchar_t text[160] = L"";
        LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(place.text), text, 160);
        labels_[i].Attach(Handle(), place.id);
        labels_[i].SetTransparent(true).SetTextColor(place.colour).SetFontSize(place.points).SetText(text);
        labels_[i].Place(place.x, place.y, place.width, place.height);
    }
    for (int id : {IDC_SET_FREQUENCY, IDC_SET_WEEK, IDC_SET_DATE}) ShowWindow(Item(id), SW_HIDE);
    PlaceItem(IDC_SET_ICON, 85, 41, 18, 18);
    const auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VELTRA), IMAGE_ICON, 18, 18, 0));
    SendDlgItemMessageW(Handle(), IDC_SET_ICON, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    return FALSE;
}

}  // namespace veltra
