#include "hardware/dmi.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "hardware/hardware_io.h"
#include "hardware/memory_search.h"

namespace veltra {
namespace {

constexpr std::uint32_t kTableAddressOffset = 8;
constexpr std::uint32_t kMajorReleaseOffset = 0x14;

bool AddWithoutWrap(std::uint32_t base, std::uint32_t offset, std::uint32_t& sum) {
    sum = base + offset;
    return sum >= base;
}

}  // namespace

bool IsDmiBiosMajorRelease4(IHardwareIo& io) {
    std::vector<std::u16string> matches;
    if (FindMemorySignature(io, u"_DMI_", matches) == 0) return false;
    std::uint32_t tableField = 0;
    if (!AddWithoutWrap(HexToNumber(matches.front()), kTableAddressOffset, tableField)) return false;
    std::array<std::uint8_t, 4> table{};
    if (io.ReadMemory(tableField, 1, 4, table.data()) != 4) return false;
    const std::uint32_t tableAddress = table[0] | (table[1] << 8) | (table[2] << 16) | (std::uint32_t{table[3]} << 24);
    std::uint32_t majorField = 0;
    if (!AddWithoutWrap(tableAddress, kMajorReleaseOffset, majorField)) return false;
    std::uint8_t major = 0;
    if (io.ReadMemory(majorField, 1, 1, &major) != 1) return false;
    return major == 4;
}

}  // namespace veltra
