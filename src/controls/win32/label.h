#pragma once
#include <windows.h>

#include <string>

#include "controls/label_font.h"
#include "controls/win32/control.h"
#include "controls/win32/gdi.h"

namespace veltra {

// A static text with its own font, colours and transparency; optionally a link that opens
// its target when clicked. Every setter returns the label so calls chain; those that change
// the look redraw it.
class CLabel : public CPaintedControl {
public:
    CLabel& SetBkColor(COLORREF colour);
    CLabel& SetTextColor(COLORREF colour);
    CLabel& SetText(const std::wstring& text);
    CLabel& SetFontBold(bool bold);
    CLabel& SetFontName(const std::wstring& face, BYTE charset = DEFAULT_CHARSET);
    CLabel& SetFontUnderline(bool on);
    CLabel& SetFontSize(int points);
    CLabel& SetTransparent(bool on);
    CLabel& SetLink(bool on, bool notify);
    CLabel& SetLinkCursor(HCURSOR cursor);
    CLabel& SetLinkTarget(const std::wstring& target);

    const FontDescription& Font() const { return font_; }
    // Whether the text, broken into lines as drawn, fits the label at the label's own font.
    bool TextFits() const;

protected:
    void OnAttached() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CLabel& Changed();
    void RebuildFont();
    void Paint(HDC dc) const override;
    UINT TextFormat() const;
    void SetStyleBit(int index, LONG_PTR bit, bool on);
    void OpenLink() const;

    FontDescription font_;
    GdiObject<HFONT> fontHandle_;
    GdiObject<HBRUSH> backgroundBrush_;
    COLORREF textColour_ = RGB(0, 0, 0);
    bool transparent_ = false;
    bool link_ = false;
    HCURSOR linkCursor_ = nullptr;
    std::wstring linkTarget_;
};

}  // namespace veltra
