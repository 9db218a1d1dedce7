#include "controls/win32/information.h"

#include <utility>

#include "controls/information_text.h"
#include "ids/information.h"
#include "platform/win32/wide.h"

namespace veltra {

CINFORMATION::CINFORMATION(std::wstring workPath) : CBitmapDialog(IDD_INFORMATION), workPath_(std::move(workPath)) {}

BOOL CINFORMATION::OnInitDialog() {
    Place(0, 0, 619, 98);
    SetBitmap(workPath_ + L"VT5\\skin\\veltra_imformation.bmp");
    list_.Attach(Handle(), IDC_INFORMATION_LIST);
    list_.Place(0, 0, 610, 96);
    SendMessageW(list_.Handle(), LB_SETCURSEL, static_cast<WPARAM>(selectedLine), 0);
    list_.SetFont(L"Arial", RGB(150, 150, 150), RGB(255, 100, 100));
    return FALSE;
}

void CINFORMATION::SetInformation(const std::wstring& text) {
    const auto lines = InformationLines(FromWide(text));
    for (std::size_t i = 0; i < lines.size(); ++i) list_.AddString(ToWide(lines[i]), static_cast<LPARAM>(i));
}

void CINFORMATION::ScrollDown() const { SendMessageW(list_.Handle(), WM_VSCROLL, SB_LINEDOWN, 0); }

void CINFORMATION::ScrollUp() const { SendMessageW(list_.Handle(), WM_VSCROLL, SB_LINEUP, 0); }

}  // namespace veltra
