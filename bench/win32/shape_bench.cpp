// Time to build the main window's shape from MBG.bmp: the one-pass build the program uses
// against a yardstick that reads every pixel with GetPixel and adds each run to the region
// with CombineRgn. Prints the median of several runs of each, side by side.
//   veltra-shape-bench.exe [BMP]   (default: VT5\skin\MBG.bmp beside the program)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "controls/win32/bitmap_dialog.h"

namespace {

HRGN GetPixelRegion(HBITMAP bitmap, COLORREF key) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (int y = 0; y < info.bmHeight; ++y) {
        int start = -1;
        for (int x = 0; x <= info.bmWidth; ++x) {
            const bool kept = x < info.bmWidth && GetPixel(dc, x, y) != key;
            if (kept && start < 0) start = x;
            if (!kept && start >= 0) {
                HRGN run = CreateRectRgn(start, y, x, y + 1);
                CombineRgn(region, region, run, RGN_OR);
                DeleteObject(run);
                start = -1;
            }
        }
    }
    SelectObject(dc, previous);
    DeleteDC(dc);
    return region;
}

template <typename Build>
double MedianMilliseconds(Build build, int runs) {
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start{}, end{};
        QueryPerformanceCounter(&start);
        HRGN region = build();
        QueryPerformanceCounter(&end);
        DeleteObject(region);
        times.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                        static_cast<double>(frequency.QuadPart));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::wstring DefaultPicture() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + L"VT5\\skin\\MBG.bmp";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring path = argc > 1 ? argv[1] : DefaultPicture();
    auto* bitmap = static_cast<HBITMAP>(
        LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (bitmap == nullptr) {
        std::fprintf(stderr, "veltra-shape-bench: cannot load %ls\n", path.c_str());
        return 2;
    }
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    const COLORREF key = RGB(255, 0, 0);
    const double onePass = MedianMilliseconds([&] { return veltra::KeyColourRegion(bitmap, key); }, 21);
    const double perPixel = MedianMilliseconds([&] { return GetPixelRegion(bitmap, key); }, 3);
    std::printf("window shape of %ldx%ld %ls (median)\n", info.bmWidth, info.bmHeight, path.c_str());
    std::printf("  one pass (GetDIBits, ExtCreateRegion)   %9.2f ms\n", onePass);
    std::printf("  yardstick (GetPixel, CombineRgn per run) %9.2f ms   %.1fx\n", perPixel, perPixel / onePass);
    DeleteObject(bitmap);
    return 0;
}
