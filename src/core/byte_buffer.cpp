#include "core/byte_buffer.h"

#include <algorithm>
#include <cstring>

namespace veltra {
namespace {

bool Fits(std::size_t recordSize, std::size_t offset, std::size_t size) {
    return offset <= recordSize && size <= recordSize - offset;
}

template <typename Unsigned>
void PutUnsigned(std::span<unsigned char> record, std::size_t offset, Unsigned value) {
    if (!Fits(record.size(), offset, sizeof(Unsigned))) return;
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i) record[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

template <typename Unsigned>
Unsigned GetUnsigned(std::span<const unsigned char> record, std::size_t offset) {
    if (!Fits(record.size(), offset, sizeof(Unsigned))) return 0;
    Unsigned value = 0;
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i) value |= static_cast<Unsigned>(Unsigned{record[offset + i]} << (8 * i));
    return value;
}

}  // namespace

void PutU16(std::span<unsigned char> record, std::size_t offset, std::uint16_t value) {
    PutUnsigned(record, offset, value);
}

std::uint16_t GetU16(std::span<const unsigned char> record, std::size_t offset) {
    return GetUnsigned<std::uint16_t>(record, offset);
}

void PutU32(std::span<unsigned char> record, std::size_t offset, std::uint32_t value) {
    PutUnsigned(record, offset, value);
}

std::uint32_t GetU32(std::span<const unsigned char> record, std::size_t offset) {
    return GetUnsigned<std::uint32_t>(record, offset);
}

void PutI32(std::span<unsigned char> record, std::size_t offset, std::int32_t value) {
    PutUnsigned(record, offset, static_cast<std::uint32_t>(value));
}

std::int32_t GetI32(std::span<const unsigned char> record, std::size_t offset) {
    return static_cast<std::int32_t>(GetUnsigned<std::uint32_t>(record, offset));
}

void PutI64(std::span<unsigned char> record, std::size_t offset, std::int64_t value) {
    PutUnsigned(record, offset, static_cast<std::uint64_t>(value));
}

std::int64_t GetI64(std::span<const unsigned char> record, std::size_t offset) {
    return static_cast<std::int64_t>(GetUnsigned<std::uint64_t>(record, offset));
}

void PutDateTime(std::span<unsigned char> record, std::size_t offset, const DateTime& time) {
    if (!Fits(record.size(), offset, kDateTimeBytes)) return;
    const std::uint16_t fields[] = {time.year,   time.month,  time.dayOfWeek, time.day,
                                    time.hour,   time.minute, time.second,    time.millisecond};
    for (std::size_t i = 0; i < 8; ++i) PutU16(record, offset + 2 * i, fields[i]);
}

DateTime GetDateTime(std::span<const unsigned char> record, std::size_t offset) {
    if (!Fits(record.size(), offset, kDateTimeBytes)) return {};
    auto field = [&](std::size_t i) { return GetU16(record, offset + 2 * i); };
    return DateTime{field(0), field(1), field(2), field(3), field(4), field(5), field(6), field(7)};
}

void PutText(std::span<unsigned char> record, std::size_t offset, std::size_t size, std::string_view text) {
    if (size == 0 || !Fits(record.size(), offset, size)) return;
    const std::size_t count = std::min(text.size(), size - 1);
    std::memcpy(record.data() + offset, text.data(), count);
    record[offset + count] = 0;
}

std::string GetText(std::span<const unsigned char> record, std::size_t offset, std::size_t size) {
    if (!Fits(record.size(), offset, size)) return {};
    const unsigned char* begin = record.data() + offset;
    const unsigned char* end = std::find(begin, begin + size, 0);
    return std::string(begin, end);
}

}  // namespace veltra
