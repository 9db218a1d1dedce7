#include "sysinfo/board_wmi.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

#include "sysinfo/wmi_query.h"

namespace veltra {
namespace {

constexpr char16_t kUnknown[] = u"UNKNOWN";
constexpr std::size_t kVersionBufferCharacters = 15;  // the value is cut to its first 15 characters
constexpr std::size_t kModelCharacters = 7;
constexpr int kLargestLetterValue = 35;

struct VendorSpelling {
    std::u16string_view manufacturer;
    const char16_t* vendor;
};

// The names the firmware makers report in the SMBIOS BIOS structure, as they have spelt them
// over the years; anything else, Phoenix-Award firmware included, is "Award".
constexpr VendorSpelling kVendorSpellings[] = {
    {u"American Megatrends Inc.", u"AMIBIOS"},
    {u"American Megatrends International, LLC.", u"AMIBIOS"},
};
constexpr char16_t kOtherVendor[] = u"Award";

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The runs of digits after the first character.
std::vector<std::u16string_view> DigitRuns(std::u16string_view text) {
    std::vector<std::u16string_view> runs;
    std::size_t i = 1;
    while (i < text.size()) {
        if (!IsDigit(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        runs.push_back(text.substr(start, i - start));
    }
    return runs;
}

std::optional<char16_t> RunCharacter(std::u16string_view run) {
    int value = 0;
    for (char16_t digit : run) {
        value = value * 10 + (digit - u'0');
        if (value > kLargestLetterValue) return std::nullopt;
    }
    return static_cast<char16_t>(value <= 9 ? u'0' + value : u'A' + (value - 10));
}

}  // namespace

std::u16string BiosVendorFromManufacturer(std::u16string_view manufacturer) {
    const auto found = std::find_if(std::begin(kVendorSpellings), std::end(kVendorSpellings),
                                    [manufacturer](const VendorSpelling& row) { return row.manufacturer == manufacturer; });
    return found == std::end(kVendorSpellings) ? kOtherVendor : found->vendor;
}

std::u16string BiosVersionFromSmbios(std::u16string_view smbiosVersion) {
    const std::vector<std::u16string_view> runs = DigitRuns(smbiosVersion.substr(0, kVersionBufferCharacters));
    if (runs.empty()) return kUnknown;
    std::u16string version;
    for (std::u16string_view run : runs) {
        const std::optional<char16_t> character = RunCharacter(run);
        if (!character) return kUnknown;
        version += *character;
        if (version.size() == 1) version += u'.';
    }
    return version;
}

std::u16string BoardModelFromProduct(std::u16string_view product) {
    const std::size_t bracket = product.find(u'(');
    const std::u16string_view from = bracket == std::u16string_view::npos ? product : product.substr(bracket + 1);
    return std::u16string(from.substr(0, kModelCharacters));
}

std::u16string GetBiosVendorByWmi(CWmiQuery& wmi) { return BiosVendorFromManufacturer(wmi.GetBiosManufacturer()); }

std::u16string GetBiosVersionByWmi(CWmiQuery& wmi) { return BiosVersionFromSmbios(wmi.GetBiosSmbiosVersion()); }

std::u16string GetBoardModelByWmi(CWmiQuery& wmi) { return BoardModelFromProduct(wmi.GetBaseboardProduct()); }

}  // namespace veltra
