#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "app/byte_buffer.h"

namespace veltra {

// Fixed fields of a little-endian record in a byte buffer. Text fields hold 8-bit text,
// zero-terminated inside the field (PutText and GetText of byte_buffer.h).
void PutInt32(std::span<unsigned char> record, std::size_t offset, std::int32_t value);
std::int32_t GetInt32(std::span<const unsigned char> record, std::size_t offset);

}  // namespace veltra
