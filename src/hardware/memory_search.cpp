#include "hardware/memory_search.h"

#include <algorithm>
#include <array>
#include <span>

#include "core/text.h"
#include "hardware/hardware_io.h"

namespace veltra {
namespace {

std::string NarrowPattern(std::u16string_view pattern) {
    std::string bytes;
    for (char16_t unit : pattern) bytes.push_back(static_cast<char>(unit & 0xFF));
    return bytes;
}

std::u16string AddressText(std::uint32_t address) {
    return HexText(address >> 16, 4) + HexText(address & 0xFFFF, 4);
}

// Every start offset at which the whole pattern fits in the block is compared, the last included.
void SearchBlock(std::span<const std::uint8_t> block, std::uint32_t blockAddress,
                 const std::string& pattern, std::vector<std::u16string>& matches, int& count) {
    if (pattern.empty() || pattern.size() > block.size()) return;
    for (std::size_t offset = 0; offset + pattern.size() <= block.size(); ++offset) {
        if (std::equal(pattern.begin(), pattern.end(), block.begin() + static_cast<std::ptrdiff_t>(offset),
                       [](char p, std::uint8_t b) { return static_cast<std::uint8_t>(p) == b; })) {
            matches.push_back(AddressText(blockAddress + static_cast<std::uint32_t>(offset)));
            ++count;
        }
    }
}

}  // namespace

int FindInMemoryWindow(IHardwareIo& io, MemoryWindow window, std::u16string_view pattern,
                       std::vector<std::u16string>& matches) {
    const std::string narrow = NarrowPattern(pattern);
    int count = 0;
    // Each request costs a trip to the driver: the window is asked for at once, and block by
    // block only when that fails, so that an unreadable block still skips only itself.
    const std::size_t blockCount = (window.end - window.start + kMemoryBlockBytes - 1) / kMemoryBlockBytes;
    std::vector<std::uint8_t> bytes(blockCount * kMemoryBlockBytes);
    const auto size = static_cast<std::uint32_t>(bytes.size());
    const bool wholeWindow = io.ReadMemory(window.start, 1, size, bytes.data()) == size;
    for (std::size_t index = 0; index < blockCount; ++index) {
        const std::span<std::uint8_t> block(bytes.data() + index * kMemoryBlockBytes, kMemoryBlockBytes);
        const auto address = static_cast<std::uint32_t>(window.start + index * kMemoryBlockBytes);
        if (!wholeWindow && io.ReadMemory(address, 1, kMemoryBlockBytes, block.data()) != kMemoryBlockBytes) continue;
        SearchBlock(block, address, narrow, matches, count);
    }
    return count;
}

int FindMemorySignature(IHardwareIo& io, std::u16string_view pattern, std::vector<std::u16string>& matches) {
    return FindInMemoryWindow(io, kBiosRomWindow, pattern, matches);
}

int FindVideoRomBanner(IHardwareIo& io, std::u16string_view pattern, std::vector<std::u16string>& matches) {
    return FindInMemoryWindow(io, kVideoRomWindow, pattern, matches);
}

std::uint32_t HexToNumber(std::u16string_view text) {
    std::uint32_t value = 0;
    for (char16_t digit : text) value = value * 16 + static_cast<std::uint32_t>(digit > u'9' ? digit - 55 : digit - 48);
    return value;
}

std::optional<std::string> ReadMemoryBlockText(IHardwareIo& io, std::uint32_t address) {
    std::array<std::uint8_t, kMemoryBlockBytes> block{};
    if (io.ReadMemory(address, 1, kMemoryBlockBytes, block.data()) != kMemoryBlockBytes) return std::nullopt;
    const auto end = std::find(block.begin(), block.end(), std::uint8_t{0});
    return std::string(block.begin(), end);
}

std::optional<std::string> ReadVideoRomBannerText(IHardwareIo& io, std::u16string_view pattern) {
    std::vector<std::u16string> matches;
    if (FindVideoRomBanner(io, pattern, matches) == 0) return std::nullopt;
    return ReadMemoryBlockText(io, HexToNumber(matches.front()));
}

}  // namespace veltra
