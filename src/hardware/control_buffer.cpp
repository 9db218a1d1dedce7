#include "hardware/control_buffer.h"

namespace veltra {
namespace {

bool Fits(std::size_t bufferSize, std::size_t offset, std::size_t width) {
    return offset <= bufferSize && width <= bufferSize - offset;
}

void PutLittleEndian(std::span<std::uint8_t> buffer, std::size_t offset, std::uint32_t value, std::size_t width) {
    if (!Fits(buffer.size(), offset, width)) return;
    for (std::size_t i = 0; i < width; ++i) buffer[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

void PutLe16(std::span<std::uint8_t> buffer, std::size_t offset, std::uint16_t value) {
    PutLittleEndian(buffer, offset, value, 2);
}

void PutLe32(std::span<std::uint8_t> buffer, std::size_t offset, std::uint32_t value) {
    PutLittleEndian(buffer, offset, value, 4);
}

std::uint32_t GetLe32(std::span<const std::uint8_t> buffer, std::size_t offset) {
    if (!Fits(buffer.size(), offset, 4)) return 0;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(buffer[offset + i]) << (8 * i);
    return value;
}

}  // namespace veltra
