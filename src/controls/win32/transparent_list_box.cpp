#include "controls/win32/transparent_list_box.h"

#include <cwchar>

#include "controls/label_font.h"

namespace veltra {

namespace {

constexpr UINT kTextFlags = DT_EXPANDTABS | DT_NOPREFIX;

}  // namespace

void CTransparentListBox::SetFont(const std::wstring& face, COLORREF textColour, COLORREF highlightColour,
                                  int pointSize, bool bold) {
    textColour_ = textColour;
    highlightColour_ = highlightColour;
    FontDescription description;
    HDC screen = GetDC(nullptr);
    SetPointSize(description, pointSize, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    SetBold(description, bold);
    LOGFONTW font{};
    font.lfHeight = description.height;
    font.lfWeight = description.weight;
    font.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(font.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    font_.reset(CreateFontIndirectW(&font));
    SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

int CTransparentListBox::MeasureHeight(const std::wstring& text) const {
    HDC dc = GetDC(Handle());
    HGDIOBJ previous = SelectObject(dc, font_ != nullptr ? font_.get() : GetStockObject(DEFAULT_GUI_FONT));
    RECT area{0, 0, 0, 0};
    // Without DT_SINGLELINE an empty text still measures one line.
    DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &area, DT_CALCRECT | kTextFlags);
    SelectObject(dc, previous);
    ReleaseDC(Handle(), dc);
    return area.bottom - area.top;
}

int CTransparentListBox::AddString(const std::wstring& text, LPARAM itemValue) {
    const auto index = static_cast<int>(SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    if (index < 0) return LB_ERR;
    SendMessageW(Handle(), LB_SETITEMHEIGHT, static_cast<WPARAM>(index), MeasureHeight(text));
    SendMessageW(Handle(), LB_SETITEMDATA, static_cast<WPARAM>(index), itemValue);
    return index;
}

void CTransparentListBox::Clear() { SendMessageW(Handle(), LB_RESETCONTENT, 0, 0); }

bool CTransparentListBox::OnMeasureItem(MEASUREITEMSTRUCT& item) {
    // The real height is set when the line is added; this is only the first guess.
    item.itemHeight = static_cast<UINT>(MeasureHeight(L" "));
    return true;
}

bool CTransparentListBox::OnDrawItem(DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return true;
    const RECT line = item.rcItem;
    MemoryCanvas canvas(item.hDC, line.right - line.left, line.bottom - line.top);
    HDC dc = canvas.Dc();
    // The canvas stands for the line: the parent's picture is copied in at the line's place.
    SetViewportOrgEx(dc, -line.left, -line.top, nullptr);
    PaintParentBackground(Handle(), dc);
    const auto length = SendMessageW(Handle(), LB_GETTEXTLEN, item.itemID, 0);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(Handle(), LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    HGDIOBJ previous = SelectObject(dc, font_ != nullptr ? font_.get() : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, (item.itemState & ODS_SELECTED) != 0 ? highlightColour_ : textColour_);
    RECT area = line;
    DrawTextW(dc, text.c_str(), static_cast<int>(wcslen(text.c_str())), &area, kTextFlags);
    SelectObject(dc, previous);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    canvas.CopyTo(item.hDC, line.left, line.top);
    return true;
}

LRESULT CTransparentListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        PaintParentBackground(Handle(), reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN: {
        // Scrolling moves pixels; the background must not move with the lines.
        const LRESULT result = Default(message, wParam, lParam);
        InvalidateRect(Handle(), nullptr, TRUE);
        return result;
    }
    default: break;
    }
    return Default(message, wParam, lParam);
}

}  // namespace veltra
