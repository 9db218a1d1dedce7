#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <type_traits>

namespace veltra {

// GDI objects released when they go out of scope.
struct GdiObjectDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

// A memory context compatible with `dc`, with a 32-bit section of the given size selected
// into it.
class MemoryCanvas {
public:
    MemoryCanvas(HDC dc, int width, int height);
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    ~MemoryCanvas();
    HDC Dc() const { return dc_; }
    // Copies the canvas to `target` at (x, y).
    void CopyTo(HDC target, int x, int y) const;

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    int width_;
    int height_;
};

// Where a control draws its picture: over a screen context a canvas, copied in one piece
// so the screen never shows it half drawn; a memory context (a page printed at once) is
// already a buffer and is drawn on directly. Making a canvas costs Wine more than most
// controls' drawing.
class PaintTarget {
public:
    PaintTarget(HDC dc, int width, int height);
    HDC Dc() const { return canvas_ ? canvas_->Dc() : target_; }
    // The picture to the target at (x, y), when it was drawn on a canvas.
    void Finish(int x, int y) const {
        if (canvas_) canvas_->CopyTo(target_, x, y);
    }

private:
    HDC target_;
    std::optional<MemoryCanvas> canvas_;
};

// The bitmap resource `id` of the program, loaded at its first use and kept for the
// process, as a section (drawn from without asking the window server): the list pages
// show the same few row pictures on dozens of buttons. The callers share it and never
// delete it. Null for 0 or a missing resource.
HBITMAP SharedPicture(int id);

// Draws `bitmap` at (x, y) of `dc`, unscaled.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);

// Paints the parent's background behind `child` into the child's `dc`, so the child can
// draw over the picture it sits on instead of an opaque fill.
void PaintParentBackground(HWND child, HDC dc);

}  // namespace veltra
