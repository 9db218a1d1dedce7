#include "controls/information_text.h"

namespace veltra {

std::vector<std::u16string> InformationLines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos) end = text.size();
        if (end > start) lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

}  // namespace veltra
