#include "transfer/item_addresses.h"

#include <algorithm>

#include "core/text.h"

namespace veltra {
namespace {

std::u16string WithForwardSlashes(std::u16string address) {
    std::replace(address.begin(), address.end(), u'\\', u'/');
    return address;
}

bool IsUnsafeCharacter(char16_t c) {
    return c < 0x20 || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos;
}

bool IsReservedDeviceName(std::u16string_view stem) {
    static constexpr const char16_t* kDevices[] = {u"CON", u"PRN", u"AUX", u"NUL", u"CONIN$", u"CONOUT$"};
    const std::u16string upper = ToUpperAscii(std::u16string(stem));
    for (const char16_t* device : kDevices) {
        if (upper == device) return true;
    }
    const bool numbered = upper.size() == 4 && (upper.starts_with(u"COM") || upper.starts_with(u"LPT"));
    // The system also takes superscript one, two and three for device digits.
    const char16_t digit = numbered ? upper[3] : u'\0';
    return (digit >= u'0' && digit <= u'9') || digit == u'\u00B9' || digit == u'\u00B2' || digit == u'\u00B3';
}

}  // namespace

std::u16string SafeFileName(std::u16string name) {
    std::replace_if(name.begin(), name.end(), IsUnsafeCharacter, u'_');
    if (name.find_first_not_of(u". ") == std::u16string::npos) return std::u16string(u"_").append(name).append(u"_");
    // The system ignores an extension and trailing blanks after a device name.
    const std::u16string_view stem = std::u16string_view(name).substr(0, name.find(u'.'));
    const std::size_t end = stem.find_last_not_of(u' ');
    if (IsReservedDeviceName(stem.substr(0, end == std::u16string_view::npos ? 0 : end + 1))) name = std::u16string(u"_").append(name);
    return name;
}

std::u16string ItemFileName(const std::u16string& item, const std::u16string& version) {
    std::u16string name = item + u"_" + version + u".exe";
    std::replace(name.begin(), name.end(), u' ', u'_');
    std::erase(name, u'-');
    return SafeFileName(name);
}

ItemTransfer ItemAddresses(const ResultRow& row, const std::u16string& boardModel, const std::u16string& base,
                           const std::u16string& folder) {
    const UpdateCategory* category = CategoryOfType(row[1]);
    if (category == nullptr) return {};
    const std::u16string below = base + u"/" + category->folder + row[5];
    const std::u16string itemFile = folder + ItemFileName(row[2], row[4]);
    switch (category->bit) {
        case kMbBiosCategory:
            return {below + u"/" + boardModel + u".exe", folder + SafeFileName(boardModel + u".exe")};
        case kVgaDriverCategory: return {WithForwardSlashes(below), itemFile};
        case kVgaBiosCategory: return {WithForwardSlashes(below + u"/" + row[2] + u".exe"), itemFile};
        default: return {WithForwardSlashes(below + u"/" + category->fileName), itemFile};
    }
}

const UpdateCategory* CategoryOfType(std::u16string_view type) {
    for (const UpdateCategory& category : kUpdateCategories) {
        if (type == category.type) return &category;
    }
    return nullptr;
}

int CategoryOfUpdatePath(std::u16string_view path) {
    for (const UpdateCategory& category : kUpdateCategories) {
        if (*category.folder != u'\0' && path.starts_with(category.folder)) return category.bit;
    }
    return kVgaDriverCategory;
}

std::u16string UniqueFilePath(const std::u16string& path, const std::vector<std::u16string>& taken) {
    auto isTaken = [&](const std::u16string& candidate) {
        const std::u16string upper = ToUpperAscii(candidate);
        return std::any_of(taken.begin(), taken.end(), [&](const std::u16string& t) { return ToUpperAscii(t) == upper; });
    };
    const std::size_t nameAt = path.find_last_of(u'\\') + 1;
    const std::size_t dot = path.rfind(u'.');
    const std::size_t extensionAt = dot == std::u16string::npos || dot < nameAt ? path.size() : dot;
    std::u16string candidate = path;
    for (int number = 2; isTaken(candidate); ++number) {
        candidate = path.substr(0, extensionAt) + u"_" + DecimalText(number) + path.substr(extensionAt);
    }
    return candidate;
}

}  // namespace veltra
