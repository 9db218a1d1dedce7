#pragma once
#include <windows.h>

#include "controls/win32/control.h"

namespace veltra {

// The download progress bar: a grey gradient with a bar inset by 3 pixels that darkens
// from top to bottom. Answers PBM_SETPOS, PBM_GETPOS, PBM_SETRANGE and PBM_SETRANGE32 itself,
// so it can stand on any control of a template.
class CEchoProgressBar : public CPaintedControl {
public:
    void SetRange(int minimum, int maximum);
    // Returns the previous position; the position is kept inside the range.
    int SetPos(int position);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int Percent() const;
    void Paint(HDC dc) const override;

    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

}  // namespace veltra
