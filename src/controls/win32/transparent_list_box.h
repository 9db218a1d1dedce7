#pragma once
#include <windows.h>

#include <string>

#include "controls/win32/control.h"
#include "controls/win32/gdi.h"

namespace veltra {

// An owner-drawn list (LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS) whose lines are drawn over
// the parent's background; each line is as tall as its measured text.
class CTransparentListBox : public CControl {
public:
    void SetFont(const std::wstring& face, COLORREF textColour, COLORREF highlightColour, int pointSize = 9,
                 bool bold = false);
    // Appends a line with its item value; returns its index, or LB_ERR.
    int AddString(const std::wstring& text, LPARAM itemValue);
    void Clear();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnDrawItem(DRAWITEMSTRUCT& item) override;
    bool OnMeasureItem(MEASUREITEMSTRUCT& item) override;

private:
    int MeasureHeight(const std::wstring& text) const;

    GdiObject<HFONT> font_;
    COLORREF textColour_ = RGB(150, 150, 150);
    COLORREF highlightColour_ = RGB(255, 100, 100);
};

}  // namespace veltra
