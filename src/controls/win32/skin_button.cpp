#include "controls/win32/skin_button.h"

#include <string>

namespace veltra {
namespace {

// Space left and right of a caption: texts of neighbouring cells never touch.
constexpr int kCaptionMargin = 4;

RECT CaptionArea(RECT area) {
    InflateRect(&area, -kCaptionMargin, 0);
    return area;
}

}  // namespace

void CxSkinButton::SetSkin(int normal, int pressed, int hovered, int disabled) {
    skin_ = {normal, pressed, hovered, disabled};
    normal_ = SharedPicture(normal);
    pressed_ = SharedPicture(pressed);
    hovered_ = SharedPicture(hovered);
    disabled_ = SharedPicture(disabled);
    Redraw();
}

void CxSkinButton::SetKind(Kind kind, int radioGroup) {
    kind_ = kind;
    radioGroup_ = radioGroup;
}

void CxSkinButton::SetCheck(bool checked) {
    if (checked_ == checked) return;
    checked_ = checked;
    Redraw();
}

void CxSkinButton::OnAttached() {
    // Only the button type changes; a template's radio or tick box becomes owner-drawn.
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
}

LRESULT CxSkinButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case BM_GETCHECK: return checked_ ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK: SetCheck(wParam == BST_CHECKED); return 0;
    case WM_MOUSEMOVE:
        if (!tracking_) {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
            tracking_ = TrackMouseEvent(&track) != FALSE;
            Redraw();
        }
        break;
    case WM_MOUSELEAVE:
        tracking_ = false;
        Redraw();
        break;
    case WM_LBUTTONUP: {
        // Toggle before the click is announced, so the parent reads the new state.
        RECT area{};
        GetClientRect(Handle(), &area);
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (IsPushed() && PtInRect(&area, at)) OnClicked();
        break;
    }
    case WM_KEYUP:
        if (wParam == VK_SPACE && IsPushed()) OnClicked();
        break;
    case WM_ERASEBKGND: return TRUE;  // the drawing covers the whole button
    case WM_PRINTCLIENT: PrintClient(reinterpret_cast<HDC>(wParam)); return 0;
    default: break;
    }
    return Default(message, wParam, lParam);
}

void CxSkinButton::PrintClient(HDC dc) {
    // The item the system's button hands its parent for WM_PAINT, drawn here without the two
    // messages to the parent (colours, then the drawing), each a round trip under Wine.
    const auto state = static_cast<UINT>(Default(BM_GETSTATE, 0, 0));
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(Handle()));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = ((state & BST_FOCUS) != 0 ? ODS_FOCUS : 0) | ((state & BST_PUSHED) != 0 ? ODS_SELECTED : 0) |
                     (IsWindowEnabled(Handle()) ? 0 : ODS_DISABLED);
    item.hwndItem = Handle();
    item.hDC = dc;
    GetClientRect(Handle(), &item.rcItem);
    OnDrawItem(item);
}

bool CxSkinButton::IsPushed() { return (Default(BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }

void CxSkinButton::OnClicked() {
    if (kind_ == Kind::CheckBox) SetCheck(!checked_);
    if (kind_ != Kind::Radio) return;
    for (CControl* sibling : TakenOverChildren(GetParent(Handle()))) {
        auto* other = dynamic_cast<CxSkinButton*>(sibling);
        if (other != nullptr && other != this && other->kind_ == Kind::Radio && other->radioGroup_ == radioGroup_)
            other->SetCheck(false);
    }
    SetCheck(true);
}

ButtonState CxSkinButton::CurrentState(const DRAWITEMSTRUCT& item) const {
    ButtonState state;
    state.disabled = (item.itemState & ODS_DISABLED) != 0;
    state.pressed = (item.itemState & ODS_SELECTED) != 0;
    state.checked = checked_;
    // The mouse is over the button from its first move there until the system says it left:
    // asking where the cursor is at every paint costs Wine three round trips to its server.
    state.mouseOver = tracking_;
    state.captureHeld = tracking_ && skin_.hovered != 0 && GetCapture() != nullptr;
    return state;
}

HBITMAP CxSkinButton::PictureHandle(ButtonLook look) const {
    switch (look) {
    case ButtonLook::Disabled: return disabled_ != nullptr ? disabled_ : normal_;
    case ButtonLook::Pressed: return pressed_;
    case ButtonLook::Hovered: return hovered_;
    case ButtonLook::Normal: return normal_;
    }
    return nullptr;
}

bool CxSkinButton::OnDrawItem(DRAWITEMSTRUCT& item) {
    const ButtonLook look = ChooseButtonLook(CurrentState(item), skin_);
    lastLook_ = look;
    RECT area = item.rcItem;
    PaintTarget target(item.hDC, area.right - area.left, area.bottom - area.top);
    HDC dc = target.Dc();
    if (HBITMAP picture = PictureHandle(look); picture != nullptr)
        DrawBitmap(dc, picture, 0, 0);
    else
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    DrawCaption(dc, area, look);
    if ((item.itemState & ODS_FOCUS) != 0 && focusMargin_ > 0) {
        RECT focus = area;
        InflateRect(&focus, -focusMargin_, -focusMargin_);
        DrawFocusRect(dc, &focus);
    }
    target.Finish(area.left, area.top);
    return true;
}

bool CxSkinButton::CaptionFits() const {
    const std::wstring text = Text();
    RECT area{};
    GetClientRect(Handle(), &area);
    area = CaptionArea(area);
    HDC dc = GetDC(Handle());
    HGDIOBJ previous = SelectObject(dc, Font());
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(Handle(), dc);
    return extent.cx <= area.right - area.left;
}

void CxSkinButton::DrawCaption(HDC dc, RECT area, ButtonLook look) const {
    const std::wstring text = Text();
    const int length = static_cast<int>(text.size());
    if (length == 0) return;
    area = CaptionArea(area);
    HGDIOBJ previous = SelectObject(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    if (look == ButtonLook::Pressed) OffsetRect(&area, 1, 1);
    // A text longer than the button ends in an ellipsis instead of losing both ends.
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (look == ButtonLook::Disabled) {
        // The system's disabled look: a highlight copy one pixel down-right under grey text.
        RECT shadow = area;
        OffsetRect(&shadow, 1, 1);
        ::SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        DrawTextW(dc, text.c_str(), length, &shadow, format);
        ::SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        ::SetTextColor(dc, look == ButtonLook::Hovered ? hoverTextColour_ : textColour_);
    }
    DrawTextW(dc, text.c_str(), length, &area, format);
    SelectObject(dc, previous);
}

}  // namespace veltra
