#include "app/byte_fields.h"

#include <algorithm>
#include <cstring>

namespace veltra {

void PutInt32(std::span<unsigned char> record, std::size_t offset, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) record[offset + i] = static_cast<unsigned char>(bits >> (8 * i));
}

std::int32_t GetInt32(std::span<const unsigned char> record, std::size_t offset) {
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

void PutText(std::span<unsigned char> record, std::size_t offset, std::size_t size, std::string_view text) {
    if (size == 0) return;
    const std::size_t count = std::min(text.size(), size - 1);
    std::memcpy(record.data() + offset, text.data(), count);
    record[offset + count] = 0;
}

std::string GetText(std::span<const unsigned char> record, std::size_t offset, std::size_t size) {
    const auto* begin = reinterpret_cast<const char*>(record.data() + offset);
    const auto* end = std::find(begin, begin + size, '\0');
    return std::string(begin, end);
}

}  // namespace veltra
