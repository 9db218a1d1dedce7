#include "trust/manifest_fields.h"

#include <charconv>
#include <cstdio>

#include "core/calendar.h"

namespace veltra {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr std::size_t kUtcTimeLength = 20;  // YYYY-MM-DDTHH:MM:SSZ

int HexValue(char digit) {
    if (digit >= '0' && digit <= '9') return digit - '0';
    if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
    return -1;
}

bool AllDigits(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// The number in text[offset, offset + length), all digits.
std::optional<int> NumberAt(std::string_view text, std::size_t offset, std::size_t length) {
    const std::string_view digits = text.substr(offset, length);
    if (!AllDigits(digits)) return std::nullopt;
    int value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

bool SeparatorsInPlace(std::string_view text) {
    return text.size() == kUtcTimeLength && text[4] == '-' && text[7] == '-' && text[10] == 'T' && text[13] == ':' &&
           text[16] == ':' && text[19] == 'Z';
}

}  // namespace

std::optional<Sha256Digest> ParseDigestHex(std::string_view hex) {
    Sha256Digest digest{};
    if (hex.size() != digest.size() * 2) return std::nullopt;
    for (std::size_t i = 0; i < digest.size(); ++i) {
        const int high = HexValue(hex[2 * i]);
        const int low = HexValue(hex[2 * i + 1]);
        if (high < 0 || low < 0) return std::nullopt;
        digest[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return digest;
}

std::string DigestHex(const Sha256Digest& digest) {
    std::string hex;
    for (const std::uint8_t byte : digest) {
        hex.push_back(kHexDigits[byte >> 4]);
        hex.push_back(kHexDigits[byte & 0x0F]);
    }
    return hex;
}

std::optional<std::uint64_t> ParseDecimal(std::string_view digits) {
    if (!AllDigits(digits)) return std::nullopt;
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return value;
}

std::optional<std::int64_t> ParseUtcTime(std::string_view text) {
    if (!SeparatorsInPlace(text)) return std::nullopt;
    const auto year = NumberAt(text, 0, 4), month = NumberAt(text, 5, 2), day = NumberAt(text, 8, 2);
    const auto hour = NumberAt(text, 11, 2), minute = NumberAt(text, 14, 2), second = NumberAt(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
    if (*year < 1970 || *day < 1 || *day > DaysInMonth(*year, *month) || *hour > 23 || *minute > 59 || *second > 59) {
        return std::nullopt;
    }
    DateTime time;
    time.year = static_cast<std::uint16_t>(*year);
    time.month = static_cast<std::uint16_t>(*month);
    time.day = static_cast<std::uint16_t>(*day);
    time.hour = static_cast<std::uint16_t>(*hour);
    time.minute = static_cast<std::uint16_t>(*minute);
    time.second = static_cast<std::uint16_t>(*second);
    return WallSeconds(time);
}

std::string UtcTimeText(std::int64_t seconds) {
    const DateTime time = FromWallSeconds(seconds);
    char text[48];  // room for any 16-bit fields, so the format cannot be cut
    std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02uZ", unsigned{time.year}, unsigned{time.month},
                  unsigned{time.day}, unsigned{time.hour}, unsigned{time.minute}, unsigned{time.second});
    return text;
}

}  // namespace veltra
