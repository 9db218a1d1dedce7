#pragma once
#include <windows.h>

#include <string>

#include "controls/label_font.h"
#include "controls/win32/control.h"
#include "controls/win32/gdi.h"

namespace veltra {

// A static text with its own font, colours and transparency; optionally a link that opens
// its target when clicked, and a flashing text or background. Every setter returns the
// label so calls chain; those that change the look redraw it.
class CLabel : public CPaintedControl {
public:
    enum class LinkType { None = 0, Link = 1, Mail = 2 };

    CLabel& SetBkColor(COLORREF colour, COLORREF highColour = 0, int mode = 0);
    CLabel& SetTextColor(COLORREF colour);
    CLabel& SetText(const std::wstring& text);
    CLabel& SetFontBold(bool bold);
    CLabel& SetFontName(const std::wstring& face, BYTE charset = DEFAULT_CHARSET);
    CLabel& SetFontUnderline(bool on);
    CLabel& SetFontItalic(bool on);
    CLabel& SetFontSize(int points);
    CLabel& SetSunken(bool on);
    CLabel& SetBorder(bool on);
    CLabel& SetTransparent(bool on);
    CLabel& FlashText(bool on);
    CLabel& FlashBackground(bool on);
    CLabel& SetLink(bool on, bool notify);
    CLabel& SetLinkCursor(HCURSOR cursor);
    CLabel& SetRotationAngle(int tenthsOfDegree);
    CLabel& SetMailLink(bool on, bool notify);
    CLabel& SetLinkTarget(const std::wstring& target);

    const FontDescription& Font() const { return font_; }
    COLORREF TextColor() const { return textColour_; }
    // Whether the text, broken into lines as drawn, fits the label at the label's own font.
    bool TextFits() const;

protected:
    void OnAttached() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr UINT_PTR kFlashTimer = 1;
    enum class Flash { None, Text, Background };

    CLabel& Changed();
    void RebuildFont();
    void Paint(HDC dc) const override;
    UINT TextFormat() const;
    void SetStyleBit(int index, LONG_PTR bit, bool on);
    void StartFlash(Flash what, bool on);
    void OpenLink() const;

    FontDescription font_;
    GdiObject<HFONT> fontHandle_;
    GdiObject<HBRUSH> backgroundBrush_;
    COLORREF backgroundColour_ = RGB(0, 0, 0);
    COLORREF textColour_ = RGB(0, 0, 0);
    bool transparent_ = false;
    Flash flash_ = Flash::None;
    bool flashOff_ = false;
    LinkType link_ = LinkType::None;
    HCURSOR linkCursor_ = nullptr;
    std::wstring linkTarget_;
};

}  // namespace veltra
