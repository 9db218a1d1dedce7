#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/clock.h"

namespace veltra {

// Little-endian fields and zero-terminated 8-bit texts at fixed offsets of a record.
// Every access is bounds-checked: a field that does not lie inside the buffer reads as
// zero or empty and is not written.
void PutU16(std::span<unsigned char> record, std::size_t offset, std::uint16_t value);
std::uint16_t GetU16(std::span<const unsigned char> record, std::size_t offset);
void PutU32(std::span<unsigned char> record, std::size_t offset, std::uint32_t value);
std::uint32_t GetU32(std::span<const unsigned char> record, std::size_t offset);
void PutI32(std::span<unsigned char> record, std::size_t offset, std::int32_t value);
std::int32_t GetI32(std::span<const unsigned char> record, std::size_t offset);
void PutI64(std::span<unsigned char> record, std::size_t offset, std::int64_t value);
std::int64_t GetI64(std::span<const unsigned char> record, std::size_t offset);

// The platform's date-time record: eight 16-bit fields, 16 bytes.
constexpr std::size_t kDateTimeBytes = 16;
void PutDateTime(std::span<unsigned char> record, std::size_t offset, const DateTime& time);
DateTime GetDateTime(std::span<const unsigned char> record, std::size_t offset);

// Writes the text and its zero into a field of `size` bytes, cut to size - 1 bytes; the
// bytes after the zero are left as they were.
void PutText(std::span<unsigned char> record, std::size_t offset, std::size_t size, std::string_view text);
// The text up to the first zero, or the whole field when it holds none.
std::string GetText(std::span<const unsigned char> record, std::size_t offset, std::size_t size);

}  // namespace veltra
