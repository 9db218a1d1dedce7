#include "cli/console_page_view.h"

#include <algorithm>

#include "core/text.h"

namespace veltra {
namespace {

constexpr int kBarMarks = 30;

}  // namespace

std::string ConsoleProgressLine(int percent, const std::u16string& text) {
    const int bounded = std::clamp(percent, 0, 100);
    const auto marks = static_cast<std::size_t>(bounded * kBarMarks / 100);
    const std::string number = std::to_string(bounded);
    // Appended piece by piece: GCC 12 warns falsely about prepending to a string at -O2.
    std::string line(1, '[');
    line.append(marks, '#').append(static_cast<std::size_t>(kBarMarks) - marks, '.').append("] ");
    line.append(3 - number.size(), ' ').append(number).append("% ").append(Utf16ToUtf8(text));
    return line;
}

void ConsolePageView::DrawBar() {
    if (!console_) return;
    err_ << '\r' << ConsoleProgressLine(percent_, text_) << "\x1b[K" << std::flush;
    drawn_ = true;
}

void ConsolePageView::SetProgressBar(int percent) {
    if (percent == percent_ && drawn_) return;
    if (percent == 0 && drawn_) {
        err_ << '\n';  // a new transfer starts on a line of its own
        text_.clear();
    }
    percent_ = percent;
    DrawBar();
}

void ConsolePageView::SetProgressText(const std::u16string& text) {
    if (text.empty() || text == text_) return;
    text_ = text;
    DrawBar();
}

void ConsolePageView::HideProgressArea() {
    if (drawn_) err_ << '\n' << std::flush;
    drawn_ = false;
}

void ConsolePageView::ShowInformation(const std::u16string& text) {
    if (!text.empty()) messages_.push_back(text);
}

}  // namespace veltra
