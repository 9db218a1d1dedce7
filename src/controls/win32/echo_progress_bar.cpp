#include "controls/win32/echo_progress_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "controls/progress_lines.h"
#include "controls/win32/gdi.h"

namespace veltra {

void CEchoProgressBar::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    SetPos(position_);
}

int CEchoProgressBar::SetPos(int position) {
    const int previous = position_;
    position_ = std::clamp(position, minimum_, maximum_);
    if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, FALSE);
    return previous;
}

int CEchoProgressBar::Percent() const {
    if (maximum_ == minimum_) return 0;
    return static_cast<int>(static_cast<long long>(position_ - minimum_) * 100 / (maximum_ - minimum_));
}

void CEchoProgressBar::Paint(HDC dc) const {
    RECT area{};
    GetClientRect(Handle(), &area);
    MemoryCanvas canvas(dc, area.right, area.bottom);
    for (const ProgressLine& line : ProgressBarLines(area.right, area.bottom, Percent())) {
        // A pen per line, as the bar has always been painted.
        GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, RGB(line.red, line.green, line.blue)));
        HGDIOBJ previous = SelectObject(canvas.Dc(), pen.get());
        MoveToEx(canvas.Dc(), line.x0, line.y0, nullptr);
        LineTo(canvas.Dc(), line.x1, line.y1);
        SelectObject(canvas.Dc(), previous);
    }
    canvas.CopyTo(dc, 0, 0);
}

LRESULT CEchoProgressBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case PBM_SETPOS: return SetPos(static_cast<int>(wParam));
    case PBM_GETPOS: return position_;
    case PBM_SETRANGE: {
        const int previousMinimum = minimum_, previousMaximum = maximum_;
        SetRange(LOWORD(lParam), HIWORD(lParam));
        return MAKELRESULT(previousMinimum, previousMaximum);
    }
    case PBM_SETRANGE32: {
        const int previousMinimum = minimum_, previousMaximum = maximum_;
        SetRange(static_cast<int>(wParam), static_cast<int>(lParam));
        return MAKELRESULT(previousMinimum, previousMaximum);
    }
    default: break;
    }
    return CPaintedControl::WindowProc(message, wParam, lParam);
}

}  // namespace veltra
