#include "controls/win32/gdi.h"

#include <map>
#include <mutex>

namespace veltra {

HBITMAP SharedPicture(int id) {
    static std::mutex lock;
    static std::map<int, GdiObject<HBITMAP>> loaded;
    if (id == 0) return nullptr;
    const std::lock_guard guard(lock);
    GdiObject<HBITMAP>& picture = loaded[id];
    if (picture == nullptr)
        picture.reset(static_cast<HBITMAP>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0)));
    return picture.get();
}

MemoryCanvas::MemoryCanvas(HDC dc, int width, int height)
    : dc_(CreateCompatibleDC(dc)),
      bitmap_(CreateCompatibleBitmap(dc, width, height)),
      previous_(SelectObject(dc_, bitmap_)),
      width_(width),
      height_(height) {}

MemoryCanvas::~MemoryCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void MemoryCanvas::CopyTo(HDC target, int x, int y) const { BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY); }

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, bitmap);
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

void PaintParentBackground(HWND child, HDC dc) {
    HWND parent = GetParent(child);
    POINT origin{0, 0};
    MapWindowPoints(child, parent, &origin, 1);
    POINT previous{};
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

}  // namespace veltra
