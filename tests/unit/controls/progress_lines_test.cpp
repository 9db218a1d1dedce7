#include "controls/progress_lines.h"

#include <gtest/gtest.h>

namespace veltra {
namespace {

TEST(ProgressLines, BackgroundGradientOneLinePerRow) {
    const auto lines = ProgressBarLines(100, 30, 0);
    ASSERT_EQ(lines.size(), 30u + 24u);
    // 127 / 30 = 4 grey steps per row.
    EXPECT_EQ(lines[0], (ProgressLine{0, 0, 99, 0, 204, 204, 204}));
    EXPECT_EQ(lines[29], (ProgressLine{0, 29, 99, 29, 88, 88, 88}));
}

TEST(ProgressLines, BarEnds) {
    struct Case {
        int width, position, right;
    };
    // Right edge (W - 6) * p / 100 + 3: at 0 the bar starts and ends at x 3.
    const Case cases[] = {{100, 0, 3}, {100, 100, 97}, {610, 50, 305}, {610, 33, 202}};
    for (const Case& c : cases) {
        const auto lines = ProgressBarLines(c.width, 30, c.position);
        const ProgressLine& first = lines[30];
        EXPECT_EQ(first.x0, 3) << c.width << " at " << c.position;
        EXPECT_EQ(first.x1, c.right) << c.width << " at " << c.position;
        EXPECT_EQ(first.y0, 3);
        EXPECT_EQ(lines.back().y0, 26);
    }
}

TEST(ProgressLines, BarColoursDarkenByIntegerSteps) {
    const auto lines = ProgressBarLines(50, 30, 100);  // h = 24: steps 9, 4, 5
    EXPECT_EQ(lines[30].red, 255);
    EXPECT_EQ(lines[30].green, 112);
    EXPECT_EQ(lines[30].blue, 127);
    EXPECT_EQ(lines[31].red, 246);
    EXPECT_EQ(lines[31].green, 108);
    EXPECT_EQ(lines[31].blue, 122);
    // An 8-pixel bar has two rows: steps of 112, 56 and 63.
    const auto small = ProgressBarLines(50, 8, 100);
    ASSERT_EQ(small.size(), 8u + 2u);
    EXPECT_EQ(small[9], (ProgressLine{3, 4, 47, 4, 143, 56, 64}));
}

TEST(ProgressLines, SmallHeights) {
    struct Case {
        int width, height;
        std::size_t lines;
    };
    // Up to 6 pixels there is no bar; a height above 127 keeps the grey at 204.
    const Case cases[] = {{40, 1, 1}, {40, 6, 6}, {40, 7, 8}, {40, 0, 0}, {1, 1, 1}, {0, 1, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(ProgressBarLines(c.width, c.height, 100).size(), c.lines) << c.width << "x" << c.height;
    }
    EXPECT_EQ(ProgressBarLines(40, 130, 0)[129].red, 204);
}

}  // namespace
}  // namespace veltra
