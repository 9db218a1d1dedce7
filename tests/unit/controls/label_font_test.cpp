#include "controls/label_font.h"

#include <gtest/gtest.h>

namespace veltra {
namespace {

TEST(LabelFont, BoldOnAndOff) {
    FontDescription font;
    SetBold(font, true);
    EXPECT_EQ(font.weight, 700);
    SetBold(font, false);
    EXPECT_EQ(font.weight, 400);
}

TEST(LabelFont, PointSizeAtScreenResolution) {
    struct Case {
        int points, pixelsPerInch, height;
    };
    const Case cases[] = {{10, 96, -13}, {12, 96, -16}, {16, 96, -21}, {9, 120, -15}, {8, 96, -11}};
    for (const Case& c : cases) {
        FontDescription font;
        SetPointSize(font, c.points, c.pixelsPerInch);
        EXPECT_EQ(font.height, c.height) << c.points << " pt at " << c.pixelsPerInch;
    }
}

TEST(LabelFont, FaceKeepsWhatLogfontHolds) {
    FontDescription font;
    SetFace(font, std::u16string(40, u'x'), 0);
    EXPECT_EQ(font.face.size(), 31u);
    EXPECT_EQ(font.charset, 0);
}

}  // namespace
}  // namespace veltra
