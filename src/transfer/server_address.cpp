#include "transfer/server_address.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

#include "core/text.h"
#include "transfer/transfer_monitor.h"

namespace veltra {
namespace {

// A drive path ("C:" and the names below it) or a share (host, share and the names below).
struct FolderPath {
    std::u16string drive;  // empty for a share
    std::vector<std::u16string> names;
};

bool IsSeparator(char16_t unit) { return unit == u'\\' || unit == u'/'; }

bool IsLetter(char16_t unit) { return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z'); }

bool IsControl(char16_t unit) { return unit < 0x20 || unit == 0x7F; }

// "." and ".." would leave the folder; "?" and "." as a host name a device, not a share.
bool IsName(std::u16string_view name) {
    const auto forbidden = [](char16_t unit) { return IsControl(unit) || std::u16string_view(u"<>:\"|?*").find(unit) != std::u16string_view::npos; };
    return name != u"." && name != u".." && std::none_of(name.begin(), name.end(), forbidden);
}

// The names between separators, empty ones dropped; nothing when one is not a name.
std::optional<std::vector<std::u16string>> Names(std::u16string_view path) {
    std::vector<std::u16string> names;
    std::u16string name;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && !IsSeparator(path[i])) {
            name.push_back(path[i]);
        } else if (!name.empty()) {
            if (!IsName(name)) return std::nullopt;
            names.push_back(std::exchange(name, {}));
        }
    }
    return names;
}

std::optional<FolderPath> ParseFolder(std::u16string_view text) {
    const bool share = text.size() > 2 && IsSeparator(text[0]) && IsSeparator(text[1]);
    // "C:" alone, or "C:mirror", is relative to the drive's current folder.
    const bool drive = text.size() > 2 && IsLetter(text[0]) && text[1] == u':' && IsSeparator(text[2]);
    if (!share && !drive) return std::nullopt;
    std::optional<std::vector<std::u16string>> names = Names(text.substr(2));
    if (!names || (share && names->size() < 2)) return std::nullopt;
    return FolderPath{drive ? std::u16string(text.substr(0, 2)) : u"", std::move(*names)};
}

// Percent escapes decoded to UTF-8; nothing for a broken escape or bytes that are not UTF-8.
std::optional<std::u16string> PercentDecoded(std::u16string_view text) {
    const std::string utf8 = Utf16ToUtf8(text);
    if (Utf8ToUtf16(utf8) != text) return std::nullopt;  // a lone surrogate
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] != '%') {
            bytes.push_back(utf8[i]);
            continue;
        }
        const std::string digits = utf8.substr(i + 1, 2);
        if (digits.size() != 2 || !std::all_of(digits.begin(), digits.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
            return std::nullopt;
        bytes.push_back(static_cast<char>(std::stoi(digits, nullptr, 16)));
        i += 2;
    }
    std::u16string decoded = Utf8ToUtf16(bytes);
    if (Utf16ToUtf8(decoded) != bytes) return std::nullopt;
    return decoded;
}

bool StartsWithAnyCase(std::u16string_view text, std::u16string_view prefix) {
    return ToUpperAscii(std::u16string(text.substr(0, prefix.size()))) == ToUpperAscii(std::u16string(prefix));
}

// "file:///C:/..." and "file://localhost/C:/..." name a drive, "file://host/share/..." a share.
std::optional<FolderPath> ParseFileUrl(std::u16string_view url) {
    if (!StartsWithAnyCase(url, u"file://") || url.find_first_of(u"?#") != std::u16string_view::npos) return std::nullopt;
    std::u16string_view rest = url.substr(7);
    std::u16string path;
    if (rest.starts_with(u'/')) path = rest.substr(1);
    else if (StartsWithAnyCase(rest, u"localhost/")) path = rest.substr(10);
    else path = u"//" + std::u16string(rest);
    const std::optional<std::u16string> decoded = PercentDecoded(path);
    return decoded ? ParseFolder(*decoded) : std::nullopt;
}

std::u16string WindowsPath(const FolderPath& folder) {
    std::u16string path = folder.drive.empty() ? u"\\" : folder.drive;
    for (const std::u16string& name : folder.names) path += u"\\" + name;
    return path;
}

// Escapes what would not read back as the same name: a blank at the end would be trimmed.
std::u16string Escaped(const std::u16string& name) {
    std::u16string escaped;
    for (char16_t unit : name) {
        escaped += unit == u'%' ? u"%25" : unit == u'#' ? u"%23" : unit == u' ' ? u"%20" : std::u16string(1, unit);
    }
    return escaped;
}

std::u16string FileUrl(const FolderPath& folder) {
    std::u16string url = folder.drive.empty() ? u"file:/" : u"file:///" + folder.drive;
    for (const std::u16string& name : folder.names) url += u"/" + Escaped(name);
    // A drive's root keeps its slash: "C:" alone is no folder.
    return folder.names.empty() ? url + u"/" : url;
}

std::u16string_view Trimmed(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(u" \t") - first + 1);
}

}  // namespace

std::optional<std::u16string> ServerAddress(std::u16string_view text) {
    const std::u16string address(Trimmed(text));
    // A lone surrogate would not come back from the address's UTF-8 as itself.
    if (std::any_of(address.begin(), address.end(), IsControl) || Utf8ToUtf16(Utf16ToUtf8(address)) != address)
        return std::nullopt;
    if (IsHttpUrl(address)) {
        std::u16string base = address.substr(0, address.find_last_not_of(u"/ \t") + 1);
        return IsHttpUrl(base) ? std::optional(std::move(base)) : std::nullopt;
    }
    const std::optional<FolderPath> folder = StartsWithAnyCase(address, u"file:") ? ParseFileUrl(address) : ParseFolder(address);
    if (!folder) return std::nullopt;
    return FileUrl(*folder);
}

std::optional<std::u16string> FolderPathOf(std::u16string_view url) {
    const std::optional<FolderPath> folder = ParseFileUrl(url);
    if (!folder) return std::nullopt;
    return WindowsPath(*folder);
}

bool IsTransferAddress(const std::u16string& url) { return IsHttpUrl(url) || FolderPathOf(url).has_value(); }

}  // namespace veltra
