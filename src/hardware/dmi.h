#pragma once
#include <cstdint>
#include <optional>
#include <span>

namespace veltra {

class IHardwareIo;

// Where an SMBIOS entry point says the structure table lies.
struct SmbiosTable {
    std::uint64_t address = 0;
    std::uint32_t length = 0;  // the 64-bit entry point gives the table's maximum length
};

// The entry point that starts `bytes`: the 32-bit "_DMI_" anchor (alone or as the second half
// of "_SM_"; length at 6, address at 8) or the 64-bit "_SM3_" one (length at 0x0C, address at
// 0x10). nullopt for another anchor or bytes too short to hold the fields.
std::optional<SmbiosTable> ParseSmbiosEntryPoint(std::span<const std::uint8_t> bytes);

// The System BIOS Major Release (offset 0x14) of the first BIOS information structure
// (type 0), walking the structures and their strings from the start of the table. nullopt
// when the end-of-table structure or the table's end comes first, a structure is malformed,
// or the type 0 structure is too short to hold the field.
std::optional<std::uint8_t> FindBiosMajorRelease(std::span<const std::uint8_t> table);

// The entry point in the BIOS ROM window (the 32-bit one; the 64-bit one when that is missing
// or gives nothing), then its table below 4 GiB, read in pieces up to its BIOS structure,
// its end-of-table structure or its length (at most 64 KiB), whichever comes first. nullopt
// when neither gives a release; every read is checked.
std::optional<std::uint8_t> ReadDmiBiosMajorRelease(IHardwareIo& io);

// True when the BIOS major release read from the DMI table is 4.
bool IsDmiBiosMajorRelease4(IHardwareIo& io);

}  // namespace veltra
