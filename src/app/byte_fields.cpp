#include "app/byte_fields.h"

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

}  // namespace veltra
