#pragma once
#include <string>

namespace veltra {

// What a label's font is made from; the label re-creates its font from it after every change.
struct FontDescription {
    std::u16string face = u"Arial";
    int height = -12;  // character height in pixels, negative as CreateFont takes it
    int weight = 400;
    bool underline = false;
    int charset = 1;  // DEFAULT_CHARSET
};

inline constexpr int kFontWeightNormal = 400;
inline constexpr int kFontWeightBold = 700;

void SetBold(FontDescription& font, bool bold);
void SetFace(FontDescription& font, std::u16string face, int charset);
// Point size at the screen's pixels per inch (MulDiv rounding), as a character height.
void SetPointSize(FontDescription& font, int points, int pixelsPerInch);

}  // namespace veltra
