#pragma once
#include <windows.h>

#include <string>

#include "controls/win32/dialog.h"
#include "controls/win32/gdi.h"

namespace veltra {

// A dialog drawn from a background picture file, optionally shaped after the picture
// (pixels of the key colour cut out) and moved by a press anywhere in it.
class CBitmapDialog : public CDialog {
public:
    explicit CBitmapDialog(UINT templateId) : CDialog(templateId) {}

    // Loads the background from a file; false (and the old picture kept) when it cannot.
    bool SetBitmap(const std::wstring& path);
    HBITMAP Bitmap() const { return background_.get(); }
    void SetTransparentColor(COLORREF key) { key_ = key; }
    // Builds the window region from the background once: every pixel of the key colour is
    // cut out. Later calls do nothing; false when there is no background.
    bool MakeShaped();
    void SetDragAnywhere(bool on) { dragAnywhere_ = on; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PaintBackground(HDC dc) const;

private:
    GdiObject<HBITMAP> background_;
    COLORREF key_ = RGB(255, 0, 0);
    bool shaped_ = false;
    bool dragAnywhere_ = false;
};

// Starts the system's move loop on `window` for a left-button press on `pressed` (lParam in
// its client coordinates), as a press on a caption would.
void DragWindowFromPress(HWND window, HWND pressed, LPARAM lParam);

// The region of a background picture without its key-colour pixels, in the picture's
// coordinates, built from the bitmap's bits in one pass; null when the bits cannot be read.
HRGN KeyColourRegion(HBITMAP bitmap, COLORREF key);

}  // namespace veltra
