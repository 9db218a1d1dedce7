#include "catalogue/version_rules.h"

#include <cstdlib>
#include <vector>

namespace veltra {
namespace {

// The low byte of every unit, as an 8-bit text up to its first zero (as the C library would read it).
std::string LowBytes(std::u16string_view text) {
    std::string bytes;
    for (char16_t unit : text) {
        const char byte = static_cast<char>(unit & 0xFF);
        if (byte == '\0') break;
        bytes.push_back(byte);
    }
    return bytes;
}

float ToSingle(const std::string& text) { return static_cast<float>(std::strtod(text.c_str(), nullptr)); }

float NormalizedNumber(std::u16string_view text) { return ToSingle(LowBytes(NormalizeVersion(text))); }

// Elements between commas, empty ones left out, as a tokenizer splits them.
std::vector<std::string> CommaElements(const std::string& text) {
    std::vector<std::string> elements;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        if (comma > start) elements.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return elements;
}

// Decimal integer as the C library reads it, held within the int range.
long long CountOf(const std::string& text) {
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return std::max(std::min(value, 2147483647LL), -2147483648LL);
}

bool IsNoValue(std::u16string_view text) { return text == u"Unknown" || text == u"None"; }

bool IsSkipped(float current, std::u16string_view skip) {
    if (IsNoValue(skip)) return false;
    const std::vector<std::string> elements = CommaElements(LowBytes(skip));
    const long long count = CountOf(elements.empty() ? "-1" : elements[0]);
    for (long long i = 1; i <= count; ++i) {
        // Past the last element every one reads as "-1", so one more comparison settles the rest.
        if (static_cast<std::size_t>(i) >= elements.size()) return ToSingle("-1") == current;
        if (ToSingle(elements[static_cast<std::size_t>(i)]) == current) return true;
    }
    return false;
}

}  // namespace

std::u16string NormalizeVersion(std::u16string_view text) {
    std::u16string out;
    for (char16_t unit : text) {
        const auto byte = static_cast<unsigned char>(unit & 0xFF);
        int digit = -1;
        if (byte >= 'A' && byte <= 'Z') digit = byte - 'A' + 10;
        if (byte >= 'a' && byte <= 'z') digit = byte - 'a' + 10;
        if (digit < 0) {
            out.push_back(byte);
        } else {
            out.push_back(static_cast<char16_t>(u'0' + digit / 10));
            out.push_back(static_cast<char16_t>(u'0' + digit % 10));
        }
    }
    return out;
}

int InVersionRange(std::u16string_view current, std::u16string_view min, std::u16string_view max,
                   std::u16string_view skip) {
    if (current.empty()) return 0;
    const float currentNumber = NormalizedNumber(current);
    const float minNumber = NormalizedNumber(IsNoValue(min) ? u"0" : min);
    const float maxNumber = NormalizedNumber(IsNoValue(max) ? u"9999" : max);
    if (currentNumber < minNumber || currentNumber >= maxNumber) return 0;
    return IsSkipped(currentNumber, skip) ? 0 : 1;
}

bool IsNotOlderPrefix(std::u16string_view online, std::u16string_view current) {
    std::u16string prefix(online.substr(0, 3));
    prefix += u'Z';
    return std::u16string_view(prefix).compare(current) > 0;
}

bool IsOrdinalLower(std::u16string_view installed, std::u16string_view online) {
    return installed.compare(online) < 0;
}

}  // namespace veltra
