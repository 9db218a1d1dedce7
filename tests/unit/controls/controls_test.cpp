#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "controls/button_picture.h"
#include "controls/information_text.h"
#include "controls/key_colour_shape.h"
#include "controls/progress_lines.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

TEST(ButtonPicture, PrecedenceAndHoverRule) {
    const ButtonSkin tab{147, 148, 149, 147}, noHover{151, 152, 0, 0};
    const struct {
        const char* name;
        ButtonState state;
        ButtonSkin skin;
        int picture;
    } rows[] = {
        {"normal", {}, tab, 147},
        {"hovered, nothing captured", {.mouseOver = true}, tab, 149},
        {"hovered while the capture is held", {.mouseOver = true, .captureHeld = true}, tab, 147},
        {"hovered without a hover picture", {.mouseOver = true}, noHover, 151},
        {"pressed beats hover", {.pressed = true, .mouseOver = true}, tab, 148},
        {"checked shows pressed", {.checked = true}, tab, 148},
        {"disabled beats pressed and checked", {.disabled = true, .pressed = true, .checked = true}, tab, 147},
        {"disabled without its picture shows normal", {.disabled = true, .mouseOver = true}, noHover, 151},
        {"pressed without a picture: plain fill", {.pressed = true}, ButtonSkin{151, 0, 0, 0}, 0},
    };
    for (const auto& row : rows) EXPECT_EQ(PictureFor(ChooseButtonLook(row.state, row.skin), row.skin), row.picture) << row.name;
}

// The information panel's lines: empty lines dropped, other characters kept.
TEST(InformationText, LinesBetweenLineFeeds) {
    EXPECT_THAT(InformationLines(u"BIOS 1.2\nFixes boot"), ElementsAre(u"BIOS 1.2", u"Fixes boot"));
    EXPECT_THAT(InformationLines(u"\n\nA\n\n\nB\n"), ElementsAre(u"A", u"B"));
    EXPECT_THAT(InformationLines(u"\n\n"), ElementsAre(u""));
    EXPECT_THAT(InformationLines(u"tab\tand\r"), ElementsAre(u"tab\tand\r"));
}

// Rows of 24-bit pixels from text: 'R' the red key, '.' dark, 'r' almost red; each row's
// padding holds 0xEE, never read as a pixel.
std::vector<ShapeRun> Runs(const std::vector<std::string>& rows) {
    const int width = static_cast<int>(rows[0].size());
    const std::size_t stride = BgrStride(width);
    std::vector<std::uint8_t> bits(stride * rows.size(), 0xEE);
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            const char c = rows[y][x];
            const std::uint8_t bgr[3] = {std::uint8_t(c == '.' ? 0x26 : c == 'r'), std::uint8_t(c == '.' ? 0x1B : 0),
                                         std::uint8_t(c == '.' ? 0x17 : 0xFF)};
            std::copy(bgr, bgr + 3, &bits[y * stride + x * 3]);
        }
    return KeyColourRuns({bits.data(), width, static_cast<int>(rows.size()), stride}, 0x0000FF);
}

TEST(KeyColourShape, RunsOfNonKeyPixels) {
    const std::pair<std::vector<std::string>, std::vector<ShapeRun>> rows[] = {
        {{"...", "..."}, {{0, 0, 3}, {1, 0, 3}}},                     // no key colour: one run per row
        {{"R..R", "....", "R..R"}, {{0, 1, 3}, {1, 0, 4}, {2, 1, 3}}},  // rounded corners cut
        {{"..R.."}, {{0, 0, 2}, {0, 3, 5}}},                            // a hole splits the row
        {{"rR."}, {{0, 0, 1}, {0, 2, 3}}},                              // only the exact key is cut
        {{"RR", "RR"}, {}},
        {{".....", "R...R"}, {{0, 0, 5}, {1, 1, 4}}},  // width 5: rows carry padding
    };
    for (const auto& [pixels, runs] : rows) EXPECT_EQ(Runs(pixels), runs) << pixels[0];
}

// A grey gradient of 127 / height steps per row, then the bar inset by 3 pixels to
// (width - 6) * position / 100 + 3, darkening by 224, 112 and 127 / its height per row.
TEST(ProgressLines, GradientThenTheBar) {
    const struct {
        int width, height, position;
        std::size_t count;
        std::vector<std::pair<std::size_t, ProgressLine>> lines;
    } rows[] = {
        {100, 30, 0, 54, {{0, {0, 0, 99, 0, 204, 204, 204}}, {29, {0, 29, 99, 29, 88, 88, 88}},
                          {30, {3, 3, 3, 3, 255, 112, 127}}, {53, {3, 26, 3, 26, 48, 20, 12}}}},
        {100, 30, 100, 54, {{30, {3, 3, 97, 3, 255, 112, 127}}}},
        {610, 30, 50, 54, {{30, {3, 3, 305, 3, 255, 112, 127}}}},
        {610, 30, 33, 54, {{30, {3, 3, 202, 3, 255, 112, 127}}}},
        {50, 30, 100, 54, {{31, {3, 4, 47, 4, 246, 108, 122}}}},
        {50, 8, 100, 10, {{9, {3, 4, 47, 4, 143, 56, 64}}}},
        {40, 130, 0, 254, {{129, {0, 129, 39, 129, 204, 204, 204}}}},
        {40, 7, 100, 8, {}}, {40, 6, 100, 6, {}}, {40, 1, 100, 1, {}}, {1, 1, 100, 1, {}}, {40, 0, 100, 0, {}}, {0, 1, 100, 0, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.width << "x" << row.height << " at " << row.position);
        const std::vector<ProgressLine> lines = ProgressBarLines(row.width, row.height, row.position);
        ASSERT_EQ(lines.size(), row.count);
        for (const auto& [index, line] : row.lines) EXPECT_EQ(lines[index], line) << index;
    }
}

}  // namespace
}  // namespace veltra
