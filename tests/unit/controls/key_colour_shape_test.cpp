#include "controls/key_colour_shape.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

namespace veltra {
namespace {

constexpr std::uint32_t kRed = 0x0000FF;  // COLORREF of pure red

// Builds padded 24-bit rows from text: 'R' a key pixel, '.' a dark pixel, 'r' almost red.
std::vector<std::uint8_t> Pixels(const std::vector<std::string>& rows) {
    const int width = static_cast<int>(rows[0].size());
    const std::size_t stride = BgrStride(width);
    std::vector<std::uint8_t> bits(stride * rows.size(), 0xEE);  // padding that is never read as a pixel
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* pixel = &bits[y * stride + static_cast<std::size_t>(x) * 3];
            const char c = rows[y][static_cast<std::size_t>(x)];
            pixel[0] = c == '.' ? 0x26 : (c == 'r' ? 0x01 : 0x00);
            pixel[1] = c == '.' ? 0x1B : 0x00;
            pixel[2] = c == '.' ? 0x17 : 0xFF;
        }
    return bits;
}

std::vector<ShapeRun> Runs(const std::vector<std::string>& rows) {
    const auto bits = Pixels(rows);
    const int width = static_cast<int>(rows[0].size());
    return KeyColourRuns({bits.data(), width, static_cast<int>(rows.size()), BgrStride(width)}, kRed);
}

TEST(KeyColourShape, RunsOfNonKeyPixels) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        std::vector<ShapeRun> runs;
    };
    const Case cases[] = {
        {"no key colour: the full rectangle, one run per row", {"...", "..."}, {{0, 0, 3}, {1, 0, 3}}},
        {"rounded corners cut", {"R..R", "....", "R..R"}, {{0, 1, 3}, {1, 0, 4}, {2, 1, 3}}},
        {"a hole splits the row", {"..R.."}, {{0, 0, 2}, {0, 3, 5}}},
        {"only the exact key is cut", {"rR."}, {{0, 0, 1}, {0, 2, 3}}},
        {"all key: nothing kept", {"RR", "RR"}, {}},
        {"width 5 rows carry padding", {".....", "R...R"}, {{0, 0, 5}, {1, 1, 4}}},
    };
    for (const Case& c : cases) EXPECT_EQ(Runs(c.rows), c.runs) << c.name;
}

}  // namespace
}  // namespace veltra
