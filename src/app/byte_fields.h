#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace veltra {

// Fixed fields of a little-endian record in a byte buffer. Text fields hold 8-bit text,
// zero-terminated inside the field; the reader stops at the first zero or the field's end.
void PutInt32(std::span<unsigned char> record, std::size_t offset, std::int32_t value);
std::int32_t GetInt32(std::span<const unsigned char> record, std::size_t offset);

// Writes at most size - 1 bytes so the terminator always fits; the rest stays as it was.
void PutText(std::span<unsigned char> record, std::size_t offset, std::size_t size, std::string_view text);
std::string GetText(std::span<const unsigned char> record, std::size_t offset, std::size_t size);

}  // namespace veltra
