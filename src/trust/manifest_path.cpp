#include "trust/manifest_path.h"

#include "core/text.h"

namespace veltra {
namespace {

bool IsControl(char16_t unit) { return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F); }

bool IsPathSegment(std::string_view segment) { return !segment.empty() && segment != "." && segment != ".."; }

bool SegmentsValid(std::string_view path) {
    std::size_t start = 0;
    for (std::size_t slash = path.find('/'); slash != std::string_view::npos; slash = path.find('/', start)) {
        if (!IsPathSegment(path.substr(start, slash - start))) return false;
        start = slash + 1;
    }
    return IsPathSegment(path.substr(start));
}

// Valid UTF-8 without control characters: invalid bytes would decode to U+FFFD and not
// encode back to themselves.
bool IsPlainText(std::string_view path) {
    const std::u16string text = Utf8ToUtf16(path);
    for (const char16_t unit : text) {
        if (IsControl(unit)) return false;
    }
    return Utf16ToUtf8(text) == path;
}

}  // namespace

bool IsManifestPath(std::string_view path) {
    return path.size() <= kMaxManifestPathBytes && path.find('\\') == std::string_view::npos && SegmentsValid(path) &&
           IsPlainText(path);
}

std::optional<std::string> ManifestPath(const std::u16string& url, const std::u16string& base) {
    const std::u16string prefix = base + u'/';
    if (!url.starts_with(prefix)) return std::nullopt;
    const std::u16string_view rest = std::u16string_view(url).substr(prefix.size());
    if (rest.find_first_of(u"?#") != std::u16string_view::npos) return std::nullopt;
    std::string path = Utf16ToUtf8(rest);
    // A lone surrogate becomes U+FFFD on the way, which a listed path could spell.
    if (Utf8ToUtf16(path) != rest || !IsManifestPath(path)) return std::nullopt;
    return path;
}

}  // namespace veltra
