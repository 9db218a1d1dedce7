#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltra {

class IHardwareIo;

// A physical memory window searched in 256-byte blocks from `start` while below `end`.
struct MemoryWindow {
    std::uint32_t start;
    std::uint32_t end;
};

inline constexpr MemoryWindow kBiosRomWindow{0xF0000, 0xFFFFF};
inline constexpr MemoryWindow kVideoRomWindow{0xC0000, 0xCFFFF};
inline constexpr std::size_t kMemoryBlockBytes = 256;

// Searches the window block by block; a block that cannot be read whole is skipped and a
// match across two blocks is not found. The window is read in one request when it can be. Each match address is appended as eight upper-case
// hex digits; returns the number of matches.
int FindInMemoryWindow(IHardwareIo& io, MemoryWindow window, std::u16string_view pattern,
                       std::vector<std::u16string>& matches);

// The BIOS ROM window (0xF0000 to 0xFFFFF).
int FindMemorySignature(IHardwareIo& io, std::u16string_view pattern, std::vector<std::u16string>& matches);
// The legacy video ROM window (0xC0000 to 0xCFFFF).
int FindVideoRomBanner(IHardwareIo& io, std::u16string_view pattern, std::vector<std::u16string>& matches);

// Value of an upper-case hex text (digits above '9' count as letters: character - 55).
std::uint32_t HexToNumber(std::u16string_view text);

// The 256 bytes at the address as 8-bit text, cut at the first zero byte; nullopt when
// the read fails.
std::optional<std::string> ReadMemoryBlockText(IHardwareIo& io, std::uint32_t address);

// The 8-bit text at the first match of `pattern` in the video ROM window; nullopt when the
// banner is absent or its block cannot be read.
std::optional<std::string> ReadVideoRomBannerText(IHardwareIo& io, std::u16string_view pattern);

}  // namespace veltra
