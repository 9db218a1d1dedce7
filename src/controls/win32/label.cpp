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
    description.lfUnderline = font_.underline ? TRUE : FALSE;
    description.lfCharSet = static_cast<BYTE>(font_.charset);
    const std::wstring face = ToWide(font_.face);
    wcsncpy(description.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    fontHandle_.reset(CreateFontIndirectW(&description));
}

CLabel& CLabel::SetBkColor(COLORREF colour) {
    backgroundBrush_.reset(CreateSolidBrush(colour));
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

CLabel& CLabel::SetFontSize(int points) {
    HDC screen = GetDC(nullptr);
    SetPointSize(font_, points, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    RebuildFont();
    return Changed();
}

void CLabel::SetStyleBit(int index, LONG_PTR bit, bool on) {
    const LONG_PTR style = GetWindowLongPtrW(Handle(), index);
    SetWindowLongPtrW(Handle(), index, on ? (style | bit) : (style & ~bit));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

CLabel& CLabel::SetTransparent(bool on) {
    transparent_ = on;
    SetStyleBit(GWL_EXSTYLE, WS_EX_TRANSPARENT, true);
    return Changed();
}

CLabel& CLabel::SetLink(bool on, bool notify) {
    link_ = on;
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
    const std::wstring target = linkTarget_.empty() ? Text() : linkTarget_;
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
    if (transparent_ || backgroundBrush_ == nullptr)
        PaintParentBackground(Handle(), target);
    else
        FillRect(target, &area, backgroundBrush_.get());
    const std::wstring text = Text();
    HGDIOBJ previous = SelectObject(target, fontHandle_.get());
    SetBkMode(target, TRANSPARENT);
    ::SetTextColor(target, textColour_);
    DrawTextW(target, text.c_str(), static_cast<int>(text.size()), &area, TextFormat());
    SelectObject(target, previous);
    buffer.Finish(0, 0);
}

LRESULT CLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT: {
        const LRESULT result = Default(message, wParam, lParam);
        InvalidateRect(Handle(), nullptr, TRUE);
        return result;
    }
    case WM_SETCURSOR:
        if (!link_ || linkCursor_ == nullptr) break;
        SetCursor(linkCursor_);
        return TRUE;
    case WM_LBUTTONUP:
        if (link_) OpenLink();
        break;
    default: break;
    }
    return CPaintedControl::WindowProc(message, wParam, lParam);
}

}  // namespace veltra
