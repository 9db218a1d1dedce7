#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace veltra {

// 24-bit pixels as GetDIBits gives them: blue, green, red per pixel, each row padded to
// `stride` bytes, rows from the top down (the caller asks for a negative height).
struct BgrImage {
    const std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    std::size_t stride = 0;
};

// One horizontal run of kept pixels: columns [left, right) of row `y`.
struct ShapeRun {
    int y;
    int left;
    int right;
    friend bool operator==(const ShapeRun&, const ShapeRun&) = default;
};

// Row stride of a 24-bit bitmap: rows are padded to whole 32-bit words.
std::size_t BgrStride(int width);

// The runs of pixels whose colour differs from the key colour, row by row, in one pass.
// The key is a COLORREF (0x00BBGGRR).
std::vector<ShapeRun> KeyColourRuns(const BgrImage& image, std::uint32_t keyColour);

}  // namespace veltra
