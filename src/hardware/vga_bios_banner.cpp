#include "hardware/vga_bios_banner.h"

namespace veltra {
namespace {

// The space-delimited token that starts at or after `from`.
std::string_view TokenFrom(std::string_view text, std::size_t from) {
    const std::size_t start = text.find_first_not_of(' ', from);
    if (start == std::string_view::npos) return {};
    const std::size_t end = text.find(' ', start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

// The token after the first space at or after `from`.
std::string TokenAfterSpace(std::string_view text, std::size_t from) {
    const std::size_t space = text.find(' ', from);
    if (space == std::string_view::npos) return {};
    return std::string(TokenFrom(text, space));
}

constexpr std::size_t kAtiSkippedAfterSpace = 4;  // the space and the three characters after it

}  // namespace

std::string NvidiaVersionFromBanner(std::string_view text) { return TokenAfterSpace(text, 0); }

std::string IntelVersionFromBanner(std::string_view text) {
    // Split at spaces from "Number:", the first token is the label's own.
    const std::size_t label = text.find("Number:");
    if (label == std::string_view::npos) return {};
    return TokenAfterSpace(text, label);
}

std::string AtiVersionFromBanner(std::string_view text) {
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos || space + kAtiSkippedAfterSpace > text.size()) return {};
    return std::string(text.substr(space + kAtiSkippedAfterSpace));
}

}  // namespace veltra
