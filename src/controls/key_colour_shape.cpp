#include "controls/key_colour_shape.h"

namespace veltra {

std::size_t BgrStride(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

std::vector<ShapeRun> KeyColourRuns(const BgrImage& image, std::uint32_t keyColour) {
    const auto keyRed = static_cast<std::uint8_t>(keyColour & 0xFF);
    const auto keyGreen = static_cast<std::uint8_t>((keyColour >> 8) & 0xFF);
    const auto keyBlue = static_cast<std::uint8_t>((keyColour >> 16) & 0xFF);
    std::vector<ShapeRun> runs;
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* pixel = image.bits + static_cast<std::size_t>(y) * image.stride;
        int start = -1;
        for (int x = 0; x < image.width; ++x, pixel += 3) {
            const bool key = pixel[0] == keyBlue && pixel[1] == keyGreen && pixel[2] == keyRed;
            if (!key && start < 0) start = x;
            if (key && start >= 0) {
                runs.push_back({y, start, x});
                start = -1;
            }
        }
        if (start >= 0) runs.push_back({y, start, image.width});
    }
    return runs;
}

}  // namespace veltra
