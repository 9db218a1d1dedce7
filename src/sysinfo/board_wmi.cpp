#include "sysinfo/board_wmi.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

#include "core/text.h"
#include "sysinfo/wmi_query.h"

namespace veltra {
namespace {

constexpr char16_t kUnknown[] = u"UNKNOWN";
constexpr std::size_t kVersionBufferCharacters = 15;  // the value is cut to its first 15 characters
constexpr std::size_t kModelCharacters = 7;
constexpr int kLargestLetterValue = 35;

// The firmware maker's names as reports spell them ("AMI", "American Megatrends Inc.",
// "FUJITSU // American Megatrends Inc.", ...): each pattern is a run of whole words, matched
// without regard to case or to the punctuation between them. Any other maker, Phoenix and
// Insyde included, is "Award".
constexpr std::u16string_view kAmiPatterns[] = {u"AMERICAN MEGATRENDS", u"AMI", u"AMIBIOS"};
constexpr char16_t kAmiVendor[] = u"AMIBIOS";
constexpr char16_t kOtherVendor[] = u"Award";

bool IsWordCharacter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9'); }

// The text's words: runs of ASCII letters and digits, upper-cased.
std::vector<std::u16string> Words(std::u16string_view text) {
    std::vector<std::u16string> words(1);
    for (char16_t c : ToUpperAscii(std::u16string(text))) {
        if (IsWordCharacter(c)) {
            words.back() += c;
        } else if (!words.back().empty()) {
            words.emplace_back();
        }
    }
    if (words.back().empty()) words.pop_back();
    return words;
}

bool NamesAmi(const std::vector<std::u16string>& words) {
    return std::any_of(std::begin(kAmiPatterns), std::end(kAmiPatterns), [&words](std::u16string_view pattern) {
        const std::vector<std::u16string> wanted = Words(pattern);
        return std::search(words.begin(), words.end(), wanted.begin(), wanted.end()) != words.end();
    });
}

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
    return NamesAmi(Words(manufacturer)) ? kAmiVendor : kOtherVendor;
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
