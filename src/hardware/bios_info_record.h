#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace veltra {

class ICodePage;

inline constexpr std::size_t kBiosInfoRecordBytes = 1028;
inline constexpr std::size_t kBiosInfoStringBytes = 256;
inline constexpr std::size_t kBiosVendorOffset = 256;
inline constexpr std::size_t kBiosIdStringOffset = 512;

using BiosInfoRecord = std::array<std::uint8_t, kBiosInfoRecordBytes>;

// What the BIOS-access driver answered at start-up: whether it identified the board, and
// the information record it filled.
struct BiosDriverOutcome {
    bool identified = false;
    BiosInfoRecord record{};
};

// One 256-byte string field of the record, up to its zero byte or the end of the field: a
// field without a terminator never runs into the next one.
std::u16string BiosInfoString(const BiosInfoRecord& record, std::size_t offset, ICodePage& codePage);

}  // namespace veltra
