#include "controls/progress_lines.h"

namespace veltra {

namespace {

std::uint8_t Low8(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

}  // namespace

std::vector<ProgressLine> ProgressBarLines(int width, int height, int position) {
    std::vector<ProgressLine> lines;
    if (width <= 0 || height <= 0) return lines;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t grey = Low8(204 - (127 / height) * y);
        lines.push_back({0, y, width - 1, y, grey, grey, grey});
    }
    const int barHeight = height - 6;
    if (barHeight <= 0) return lines;
    const int right = (width - 6) * position / 100 + 3;
    int red = 255, green = 112, blue = 127;
    for (int y = 3; y < 3 + barHeight; ++y) {
        lines.push_back({3, y, right, y, Low8(red), Low8(green), Low8(blue)});
        red = Low8(red - 224 / barHeight);
        green = Low8(green - 112 / barHeight);
        blue = Low8(blue - 127 / barHeight);
    }
    return lines;
}

}  // namespace veltra
