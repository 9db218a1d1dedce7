#include "hardware/dmi.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "hardware/hardware_io.h"
#include "hardware/memory_search.h"

namespace veltra {
namespace {

struct EntryPointForm {
    std::u16string_view anchor;
    std::size_t lengthOffset;
    std::size_t lengthBytes;
    std::size_t addressOffset;
    std::size_t addressBytes;

    std::size_t Size() const { return addressOffset + addressBytes; }
};

// The 32-bit form first: where it serves, it is what the test has always read; the 64-bit
// one is tried when it is missing or leads to no BIOS major release.
constexpr EntryPointForm kEntryPointForms[] = {
    {u"_DMI_", 6, 2, 8, 4},
    {u"_SM3_", 0x0C, 4, 0x10, 8},
};

constexpr std::size_t kStructureHeaderBytes = 4;
constexpr std::size_t kMajorReleaseOffset = 0x14;
constexpr std::uint8_t kBiosInformation = 0;
constexpr std::uint8_t kEndOfTable = 127;
constexpr std::uint32_t kMaxTableRead = 0x10000;
constexpr std::uint32_t kTablePieceBytes = 0x400;
constexpr std::uint64_t kAddressLimit = 0x100000000;  // the driver takes 32-bit addresses

std::uint64_t LittleEndian(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t count) {
    std::uint64_t value = 0;
    for (std::size_t i = count; i-- > 0;) value = (value << 8) | bytes[offset + i];
    return value;
}

bool StartsWithAnchor(std::span<const std::uint8_t> bytes, std::u16string_view anchor) {
    return bytes.size() >= anchor.size() &&
           std::equal(anchor.begin(), anchor.end(), bytes.begin(), [](char16_t a, std::uint8_t b) { return a == b; });
}

// The offset just past the strings that follow a structure's formatted area (they end with
// two zero bytes), or nullopt when the table ends first.
std::optional<std::size_t> PastStrings(std::span<const std::uint8_t> table, std::size_t from) {
    for (std::size_t at = from; at + 1 < table.size(); ++at) {
        if (table[at] == 0 && table[at + 1] == 0) return at + 2;
    }
    return std::nullopt;
}

enum class WalkEnd { Found, EndOfTable, Malformed, Truncated };

struct WalkResult {
    WalkEnd end;
    std::size_t at = 0;  // where the structure found starts
};

// Walks the structures from the start of the table to the first of `type` whose formatted
// area lies whole in `table`, or past the end-of-table structure and its strings.
WalkResult FindStructure(std::span<const std::uint8_t> table, std::uint8_t type) {
    std::size_t at = 0;
    while (at + kStructureHeaderBytes <= table.size()) {
        const std::size_t length = table[at + 1];
        if (length < kStructureHeaderBytes) return {WalkEnd::Malformed};
        if (length > table.size() - at) return {WalkEnd::Truncated};
        if (table[at] == type) return {WalkEnd::Found, at};
        const std::optional<std::size_t> next = PastStrings(table, at + length);
        if (!next) return {WalkEnd::Truncated};
        if (table[at] == kEndOfTable) return {WalkEnd::EndOfTable};
        at = *next;
    }
    return {WalkEnd::Truncated};
}

// The 64-bit entry point gives only the table's maximum size, and memory past the table's
// real end may not be readable at all: the table is read in pieces only until the structure
// of `type`, the end-of-table structure or the maximum, a piece that fails being asked again
// at half its size, so a short final piece is read too.
std::vector<std::uint8_t> ReadTableUntil(IHardwareIo& io, std::uint32_t address, std::uint32_t maximum,
                                         std::uint8_t type) {
    std::vector<std::uint8_t> table;
    std::uint32_t piece = kTablePieceBytes;
    while (table.size() < maximum) {
        const auto have = static_cast<std::uint32_t>(table.size());
        const std::uint32_t request = std::min(piece, maximum - have);
        table.resize(have + request);
        if (io.ReadMemory(address + have, 1, request, table.data() + have) == request) {
            if (FindStructure(table, type).end != WalkEnd::Truncated) break;
            continue;
        }
        table.resize(have);
        if (request == 1) break;
        piece = request / 2;
    }
    return table;
}

std::optional<SmbiosTable> ReadTableLocation(IHardwareIo& io, const EntryPointForm& form) {
    std::vector<std::u16string> matches;
    if (FindMemorySignature(io, form.anchor, matches) == 0) return std::nullopt;
    std::vector<std::uint8_t> entryPoint(form.Size());
    const auto size = static_cast<std::uint32_t>(entryPoint.size());
    if (io.ReadMemory(HexToNumber(matches.front()), 1, size, entryPoint.data()) != size) return std::nullopt;
    return ParseSmbiosEntryPoint(entryPoint);
}

std::optional<std::uint8_t> ReadMajorRelease(IHardwareIo& io, const EntryPointForm& form) {
    const std::optional<SmbiosTable> location = ReadTableLocation(io, form);
    if (!location) return std::nullopt;
    const std::uint32_t length = std::min(location->length, kMaxTableRead);
    if (length == 0 || location->address + length > kAddressLimit) return std::nullopt;
    return FindBiosMajorRelease(
        ReadTableUntil(io, static_cast<std::uint32_t>(location->address), length, kBiosInformation));
}

}  // namespace

std::optional<SmbiosTable> ParseSmbiosEntryPoint(std::span<const std::uint8_t> bytes) {
    for (const EntryPointForm& form : kEntryPointForms) {
        if (!StartsWithAnchor(bytes, form.anchor)) continue;
        if (bytes.size() < form.Size()) return std::nullopt;
        return SmbiosTable{LittleEndian(bytes, form.addressOffset, form.addressBytes),
                           static_cast<std::uint32_t>(LittleEndian(bytes, form.lengthOffset, form.lengthBytes))};
    }
    return std::nullopt;
}

std::optional<std::uint8_t> FindBiosMajorRelease(std::span<const std::uint8_t> table) {
    const WalkResult bios = FindStructure(table, kBiosInformation);
    if (bios.end != WalkEnd::Found || table[bios.at + 1] <= kMajorReleaseOffset) return std::nullopt;
    return table[bios.at + kMajorReleaseOffset];
}

std::optional<std::uint8_t> ReadDmiBiosMajorRelease(IHardwareIo& io) {
    for (const EntryPointForm& form : kEntryPointForms) {
        if (const std::optional<std::uint8_t> major = ReadMajorRelease(io, form)) return major;
    }
    return std::nullopt;
}

bool IsDmiBiosMajorRelease4(IHardwareIo& io) { return ReadDmiBiosMajorRelease(io) == 4; }

}  // namespace veltra
