#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/device_io.h"

namespace veltra {

class IDeviceIo;
class IServiceManager;
struct Platform;

// The BIOS-access driver's information record: four 256-byte single-byte strings at
// offsets 0, 256, 512 and 768, then one 32-bit value at offset 1024.
inline constexpr std::size_t kBiosInfoRecordSize = 1028;
inline constexpr std::size_t kBiosInfoStringSize = 256;
using BiosInfoRecord = std::array<std::uint8_t, kBiosInfoRecordSize>;

inline constexpr char16_t kBiosServiceName[] = u"NORVA_NORVABIOS_010507";
inline constexpr char16_t kBiosDriverFile32[] = u"norvabios32_100507.sys";
inline constexpr char16_t kBiosDriverFile64[] = u"norvabios64_100507.sys";
inline constexpr char16_t kBiosDriverMutex[] = u"CDriverMutex";
inline constexpr std::uint32_t kIdentifyBoardCode = 0x222020;
inline constexpr std::uint32_t kReadBiosInfoCode = 0x222014;

// The driver file for an operating-system code; empty for the codes below 8.
std::u16string BiosDriverFileFor(int osCode);

// Installs, starts and opens the driver; true when the device is open, its handle then in
// `device`. On failure the service is removed.
bool LoadBiosDriver(Platform& platform, int osCode, DeviceHandle& device);
// Nonzero when the board is identified: 1 for the maker's marker, else the reply's byte count.
std::uint32_t IdentifyBoard(IDeviceIo& devices, DeviceHandle device);
// Fills the record; true when the request succeeds.
bool ReadBiosInfo(IDeviceIo& devices, BiosInfoRecord& record, DeviceHandle device);
// Stops and deletes the service; always true.
bool RemoveBiosDriverService(IServiceManager& services);

// The text at the start of one of the record's four strings, up to its zero or the field's end.
std::string BiosInfoString(const BiosInfoRecord& record, int index);

}  // namespace veltra
