#pragma once
#include <cstdint>
#include <vector>

namespace veltra {

// One pen and one line of the progress bar; the line is drawn without its end point.
struct ProgressLine {
    int x0, y0, x1, y1;
    std::uint8_t red, green, blue;
    friend bool operator==(const ProgressLine&, const ProgressLine&) = default;
};

// The lines that paint a progress bar of width x height pixels at position 0 to 100:
// a grey gradient background, one line per row, then, when the bar is taller than 6
// pixels, the bar inset by 3 pixels, darkening from top to bottom. Colour arithmetic
// uses integer division and keeps the low 8 bits, as the painting always has.
std::vector<ProgressLine> ProgressBarLines(int width, int height, int position);

}  // namespace veltra
