#pragma once
#include <windows.h>

#include <string>

#include "controls/button_picture.h"
#include "controls/win32/control.h"
#include "controls/win32/gdi.h"

namespace veltra {

// An owner-drawn button painted from one bitmap resource per state, with hover tracking.
// As a tick box or radio button it keeps its own checked state (BM_GETCHECK/BM_SETCHECK)
// and shows the pressed picture while checked; a click on a radio button clears the other
// radio buttons of its group on the same parent.
class CxSkinButton : public CControl {
public:
    enum class Kind { Push, CheckBox, Radio };

    // Pictures from the bitmap resources, set once the button is attached; 0 for hovered means
    // none, 0 for disabled the normal one.
    void SetSkin(int normal, int pressed, int hovered, int disabled);
    void SetKind(Kind kind, int radioGroup = 0);
    void SetCheck(bool checked);
    bool IsChecked() const { return checked_; }
    void SetTextColor(COLORREF colour) { textColour_ = colour; }
    void SetHoverTextColor(COLORREF colour) { hoverTextColour_ = colour; }
    // Edge around the picture (raised, sunken when pressed) and focus rectangle margin.
    void SetFocusMargin(int pixels) { focusMargin_ = pixels; }
    // Whether the caption fits between the margins at the button's own font, uncut.
    bool CaptionFits() const;
    // The look chosen by the last drawing, for whoever checks what the user saw.
    ButtonLook LastLook() const { return lastLook_; }

protected:
    void OnAttached() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnDrawItem(DRAWITEMSTRUCT& item) override;

private:
    ButtonState CurrentState(const DRAWITEMSTRUCT& item) const;
    HBITMAP PictureHandle(ButtonLook look) const;
    // WM_PRINTCLIENT: the WM_PAINT drawing into the given context.
    void PrintClient(HDC dc);
    void DrawCaption(HDC dc, RECT area, ButtonLook look) const;
    HFONT Font() const { return reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)); }
    bool IsPushed();
    void OnClicked();

    ButtonSkin skin_;
    HBITMAP normal_ = nullptr, pressed_ = nullptr, hovered_ = nullptr, disabled_ = nullptr;  // shared
    Kind kind_ = Kind::Push;
    int radioGroup_ = 0;
    bool checked_ = false;
    bool tracking_ = false;
    int focusMargin_ = 2;  // every button shows a keyboard user where the focus is
    COLORREF textColour_ = RGB(255, 255, 255);
    COLORREF hoverTextColour_ = RGB(255, 255, 255);
    ButtonLook lastLook_ = ButtonLook::Normal;
};

}  // namespace veltra
