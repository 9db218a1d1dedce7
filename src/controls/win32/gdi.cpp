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
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    return picture.get();
}

namespace {

// A 32-bit bitmap in the program's memory: under Wine a bitmap in the display's own format
// costs questions to the window server when it is selected; a section of plain memory is
// selected without one.
HBITMAP NewSection(HDC dc, int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;  // rows from the top down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
}

}  // namespace

MemoryCanvas::MemoryCanvas(HDC dc, int width, int height)
    : dc_(CreateCompatibleDC(dc)),
      bitmap_(NewSection(dc, width, height)),
      previous_(SelectObject(dc_, bitmap_)),
      width_(width),
      height_(height) {}

MemoryCanvas::~MemoryCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void MemoryCanvas::CopyTo(HDC target, int x, int y) const { BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY); }

PaintTarget::PaintTarget(HDC dc, int width, int height) : target_(dc) {
    if (GetObjectType(dc) != OBJ_MEMDC) canvas_.emplace(dc, width, height);
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    // One source context per thread, kept: a page draws dozens of pictures at once.
    struct Source {
        HDC dc = CreateCompatibleDC(nullptr);
        ~Source() { DeleteDC(dc); }
    };
    thread_local Source source;
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return;
    HGDIOBJ previous = SelectObject(source.dc, bitmap);
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source.dc, 0, 0, SRCCOPY);
    SelectObject(source.dc, previous);
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
