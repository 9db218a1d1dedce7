#include "controls/win32/bitmap_dialog.h"

#include <vector>

#include "controls/key_colour_shape.h"

namespace veltra {

bool CBitmapDialog::SetBitmap(const std::wstring& path) {
    auto* loaded = static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (loaded == nullptr) return false;
    background_.reset(loaded);
    if (Handle() != nullptr) InvalidateRect(Handle(), nullptr, TRUE);
    return true;
}

bool CBitmapDialog::MakeShaped() {
    if (shaped_) return true;
    HRGN region = KeyColourRegion(background_.get(), key_);
    if (region == nullptr) return false;
    // The region is in window coordinates: move it by the client area's offset in the window.
    RECT window{};
    GetWindowRect(Handle(), &window);
    POINT client{0, 0};
    ClientToScreen(Handle(), &client);
    OffsetRgn(region, client.x - window.left, client.y - window.top);
    SetWindowRgn(Handle(), region, TRUE);  // the window owns the region from here
    shaped_ = true;
    return true;
}

void CBitmapDialog::PaintBackground(HDC dc) const { DrawBitmap(dc, background_.get(), 0, 0); }

bool CBitmapDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_ERASEBKGND && background_ != nullptr) {
        PaintBackground(reinterpret_cast<HDC>(wParam));
        result = TRUE;
        return true;
    }
    if (message == WM_LBUTTONDOWN && dragAnywhere_) {
        DragWindowFromPress(Handle(), Handle(), lParam);
        result = 0;
        return true;
    }
    return CDialog::OnMessage(message, wParam, lParam, result);
}

void DragWindowFromPress(HWND window, HWND pressed, LPARAM lParam) {
    // The move loop takes the press in screen coordinates, as a real caption press gives it.
    POINT press{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(pressed, &press);
    PostMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(press.x, press.y));
}

HRGN KeyColourRegion(HBITMAP bitmap, COLORREF key) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return nullptr;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;  // rows from the top down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    format.bmiHeader.biCompression = BI_RGB;
    const std::size_t stride = BgrStride(info.bmWidth);
    std::vector<std::uint8_t> bits(stride * static_cast<std::size_t>(info.bmHeight));
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), bits.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != info.bmHeight) return nullptr;

    const auto runs = KeyColourRuns({bits.data(), info.bmWidth, info.bmHeight, stride}, key);
    // One region from all rectangles at once: far cheaper than combining them one by one.
    std::vector<std::uint8_t> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(runs.size());
    header->nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    header->rcBound = {0, 0, info.bmWidth, info.bmHeight};
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (std::size_t i = 0; i < runs.size(); ++i) rects[i] = {runs[i].left, runs[i].y, runs[i].right, runs[i].y + 1};
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
}

}  // namespace veltra
