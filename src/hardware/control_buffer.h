#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

namespace veltra {

// Little-endian fields of the drivers' packed request and reply buffers. A field that does
// not lie wholly inside the buffer is not written and reads as zero.
void PutLe16(std::span<std::uint8_t> buffer, std::size_t offset, std::uint16_t value);
void PutLe32(std::span<std::uint8_t> buffer, std::size_t offset, std::uint32_t value);
std::uint32_t GetLe32(std::span<const std::uint8_t> buffer, std::size_t offset);

}  // namespace veltra
