#pragma once
#include <windows.h>

#include <memory>
#include <type_traits>

namespace veltra {

// GDI objects released when they go out of scope.
struct GdiObjectDeleter {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

// A memory context compatible with `dc`, with a bitmap of the given size selected into it.
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

// The bitmap resource `id` of the program, loaded at its first use and kept for the
// process: the list pages show the same few row pictures on dozens of buttons. The
// callers share it and never delete it. Null for 0 or a missing resource.
HBITMAP SharedPicture(int id);

// Draws `bitmap` at (x, y) of `dc`, unscaled.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y);

// Paints the parent's background behind `child` into the child's `dc`, so the child can
// draw over the picture it sits on instead of an opaque fill.
void PaintParentBackground(HWND child, HDC dc);

}  // namespace veltra
