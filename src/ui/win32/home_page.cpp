#include "ui/win32/home_page.h"

#include "core/vt5_record.h"
#include "ids/home_page.h"
#include "ids/strings.h"
#include "platform/win32/wide.h"
#include "sysinfo/vga_info.h"

namespace veltra {
namespace {

constexpr int kLastScanRow = 6;
constexpr int kCountRow = 7;
constexpr COLORREF kCaptionColour = RGB(200, 200, 200);
constexpr COLORREF kValueColour = RGB(255, 255, 255);

std::u16string CardName(const VT5Record& vt5) {
    if (!vt5.pVGA) return {};
    return vt5.pVGA->sCardName.empty() ? vt5.pVGA->sProcessor : vt5.pVGA->sCardName;
}

}  // namespace

CPAGE_HOME::CPAGE_HOME(const VT5Record& vt5, std::u16string lastScan)
    : CBitmapDialog(IDD_PAGE_HOME), vt5_(vt5), lastScan_(std::move(lastScan)) {}

BOOL CPAGE_HOME::OnInitDialog() {
    Place(0, 0, 760, 385);
    SetBitmap(ToWide(vt5_.sWorkPath) + L"VT5\\skin\\home_bg.bmp");
    const std::u16string values[8] = {u"",
                                      vt5_.sOSName,
                                      vt5_.sHomeModel,
                                      vt5_.sHomeBIOSVersion,
                                      CardName(vt5_),
                                      vt5_.pVGA ? vt5_.pVGA->sBIOSVersion : u"",
                                      lastScan_,
                                      vt5_.sUpdateCount};
    for (int row = 0; row < 8; ++row) {
        const int y = row == 0 ? 50 : 65 + 35 * row;
        wchar_t caption[64] = L"";
        LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(IDS_HOME_INFORMATION + row), caption, 64);
        captions_[row].Attach(Handle(), IDC_HOME_CAPTION_FIRST + row);
        captions_[row].SetTransparent(true).SetTextColor(row == 0 ? kValueColour : kCaptionColour).SetText(caption);
        if (row == 0) captions_[row].SetFontBold(true).SetFontSize(12);
        captions_[row].Place(140, y, 200, 30);
        if (row == 0) continue;
        values_[row].Attach(Handle(), IDC_HOME_VALUE_FIRST + row);
        values_[row].SetTransparent(true).SetTextColor(kValueColour).SetText(ToWide(values[row]));
        values_[row].Place(384, y, row == 4 ? 300 : 200, 30);
    }
    return FALSE;
}

void CPAGE_HOME::ShowLastScan(const std::u16string& text) { values_[kLastScanRow].SetText(ToWide(text)); }

void CPAGE_HOME::ShowUpdateCount(const std::u16string& count) { values_[kCountRow].SetText(ToWide(count)); }

}  // namespace veltra
