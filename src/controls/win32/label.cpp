#include "controls/win32/label.h"

#include <shellapi.h>

#include "platform/win32/wide.h"

namespace veltra {

void CLabel::OnAttached() {
    LOGFONTW system{};
    if (auto* current = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
        current != nullptr && GetObjectW(current, sizeof system, &system) != 0) {
        font_.face = FromWide(system.lfFaceName);
        font_.height = system.lfHeight;
        font_.weight = system.lfWeight;
    }
    RebuildFont();
}

CLabel& CLabel::Changed() {
    if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, TRUE);
    return *this;
}

void CLabel::RebuildFont() {
    LOGFONTW description{};
    description.lfHeight = font_.height;
    description.lfWeight = font_.weight;
    description.lfItalic = font_.italic ? TRUE : FALSE;
    description.lfUnderline = font_.underline ? TRUE : FALSE;
    description.lfCharSet = static_cast<BYTE>(font_.charset);
    description.lfEscapement = font_.escapement;
    description.lfOrientation = font_.escapement;
    const std::wstring face = ToWide(font_.face);
    wcsncpy(description.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    fontHandle_.reset(CreateFontIndirectW(&description));
}

CLabel& CLabel::SetBkColor(COLORREF colour, COLORREF /*highColour*/, int mode) {
    backgroundColour_ = colour;
    if (mode == 0) backgroundBrush_.reset(CreateSolidBrush(colour));
    return Changed();
}

CLabel& CLabel::SetTextColor(COLORREF colour) {
    textColour_ = colour;
    return Changed();
}

CLabel& CLabel::SetText(const std::wstring& text) {
    if (Handle() != nullptr) SetWindowTextW(Handle(), text.c_str());
    return Changed();
}

CLabel& CLabel::SetFontBold(bool bold) {
    SetBold(font_, bold);
    RebuildFont();
    return Changed();
}

CLabel& CLabel::SetFontName(const std::wstring& face, BYTE charset) {
    SetFace(font_, FromWide(face), charset);
    RebuildFont();
    return Changed();
}

CLabel& CLabel::SetFontUnderline(bool on) {
    font_.underline = on;
    RebuildFont();
    return Changed();
}

CLabel& CLabel::SetFontItalic(bool on) {
    font_.italic = on;
    RebuildFont();
    return Changed();
}

CLabel& CLabel::SetFontSize(int points) {
    HDC screen = GetDC(nullptr);
    SetPointSize(font_, points, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    RebuildFont();
    return Changed();
}

CLabel& CLabel::SetRotationAngle(int tenthsOfDegree) {
    SetAngle(font_, tenthsOfDegree);
    RebuildFont();
    return Changed();
}

void CLabel::SetStyleBit(int index, LONG_PTR bit, bool on) {
    const LONG_PTR style = GetWindowLongPtrW(Handle(), index);
    SetWindowLongPtrW(Handle(), index, on ? (style | bit) : (style & ~bit));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

CLabel& CLabel::SetSunken(bool on) {
    SetStyleBit(GWL_EXSTYLE, WS_EX_STATICEDGE, on);
    return Changed();
}

CLabel& CLabel::SetBorder(bool on) {
    SetStyleBit(GWL_STYLE, WS_BORDER, on);
    return Changed();
}

CLabel& CLabel::SetTransparent(bool on) {
    transparent_ = on;
    SetStyleBit(GWL_EXSTYLE, WS_EX_TRANSPARENT, true);
    return Changed();
}

void CLabel::StartFlash(Flash what, bool on) {
    KillTimer(Handle(), kFlashTimer);
    flash_ = on ? what : Flash::None;
    flashOff_ = false;
    if (on) SetTimer(Handle(), kFlashTimer, 500, nullptr);
}

CLabel& CLabel::FlashText(bool on) {
    StartFlash(Flash::Text, on);
    return Changed();
}

CLabel& CLabel::FlashBackground(bool on) {
    StartFlash(Flash::Background, on);
    return Changed();
}

CLabel& CLabel::SetLink(bool on, bool notify) {
    link_ = on ? LinkType::Link : LinkType::None;
    if (notify) SetStyleBit(GWL_STYLE, SS_NOTIFY, true);
    return Changed();
}

CLabel& CLabel::SetMailLink(bool on, bool notify) {
    link_ = on ? LinkType::Mail : LinkType::None;
    if (notify) SetStyleBit(GWL_STYLE, SS_NOTIFY, true);
    return Changed();
}

CLabel& CLabel::SetLinkCursor(HCURSOR cursor) {
    linkCursor_ = cursor;
    return *this;
}

CLabel& CLabel::SetLinkTarget(const std::wstring& target) {
    linkTarget_ = target;
    return *this;
}

void CLabel::OpenLink() const {
    std::wstring target = linkTarget_;
    if (target.empty()) target = Text();
    if (link_ == LinkType::Mail && target.rfind(L"mailto:", 0) != 0) target = L"mailto:" + target;
    ShellExecuteW(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

UINT CLabel::TextFormat() const {
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    UINT format = DT_NOPREFIX | DT_WORDBREAK | DT_EXPANDTABS;
    if ((style & SS_TYPEMASK) == SS_CENTER) format |= DT_CENTER;
    if ((style & SS_TYPEMASK) == SS_RIGHT) format |= DT_RIGHT;
    return format;
}

bool CLabel::TextFits() const {
    const std::wstring text = Text();
    RECT area{};
    GetClientRect(Handle(), &area);
    RECT needed{0, 0, area.right, 0};
    HDC dc = GetDC(Handle());
    HGDIOBJ previous = SelectObject(dc, fontHandle_.get());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &needed, TextFormat() | DT_CALCRECT);
    SelectObject(dc, previous);
    ReleaseDC(Handle(), dc);
    return needed.right <= area.right && needed.bottom <= area.bottom;
}

void CLabel::Paint(HDC dc) const {
    RECT area{};
    GetClientRect(Handle(), &area);
    PaintTarget buffer(dc, area.right, area.bottom);
    HDC target = buffer.Dc();
    const bool backgroundOff = flash_ == Flash::Background && flashOff_;
    if (transparent_ || backgroundOff || backgroundBrush_ == nullptr)
        PaintParentBackground(Handle(), target);
    else
        FillRect(target, &area, backgroundBrush_.get());
    if (!(flash_ == Flash::Text && flashOff_)) {
        const std::wstring text = Text();
        HGDIOBJ previous = SelectObject(target, fontHandle_.get());
        SetBkMode(target, TRANSPARENT);
        ::SetTextColor(target, textColour_);
        DrawTextW(target, text.c_str(), static_cast<int>(text.size()), &area, TextFormat());
        SelectObject(target, previous);
    }
    buffer.Finish(0, 0);
}

LRESULT CLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT: {
        const LRESULT result = Default(message, wParam, lParam);
        InvalidateRect(Handle(), nullptr, TRUE);
        return result;
    }
    case WM_TIMER:
        if (wParam != kFlashTimer) break;
        flashOff_ = !flashOff_;
        InvalidateRect(Handle(), nullptr, TRUE);
        return 0;
    case WM_SETCURSOR:
        if (link_ == LinkType::None || linkCursor_ == nullptr) break;
        SetCursor(linkCursor_);
        return TRUE;
    case WM_LBUTTONUP:
        if (link_ != LinkType::None) OpenLink();
        break;
    default: break;
    }
    return CPaintedControl::WindowProc(message, wParam, lParam);
}

}  // namespace veltra
