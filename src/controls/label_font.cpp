#include "controls/label_font.h"

#include <utility>

namespace veltra {

void SetBold(FontDescription& font, bool bold) { font.weight = bold ? kFontWeightBold : kFontWeightNormal; }

void SetFace(FontDescription& font, std::u16string face, int charset) {
    // LOGFONT keeps 31 characters and the terminator.
    if (face.size() > 31) face.resize(31);
    font.face = std::move(face);
    font.charset = charset;
}

void SetPointSize(FontDescription& font, int points, int pixelsPerInch) {
    // MulDiv(points, ppi, 72), rounded half away from zero.
    const long long product = static_cast<long long>(points) * pixelsPerInch;
    const long long rounded = (product >= 0 ? product + 36 : product - 36) / 72;
    font.height = -static_cast<int>(rounded);
}

}  // namespace veltra
