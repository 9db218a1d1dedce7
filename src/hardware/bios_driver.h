#pragma once
#include <cstdint>
#include <string>

#include "hardware/bios_info_record.h"
#include "platform/device_io.h"

namespace veltra {

class IDeviceIo;
class IServiceManager;
struct Platform;

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
// Sends the record with the first byte of its four strings and its value at offset 1024
// zeroed, and has the driver fill it; true when the request succeeds.
bool ReadBiosInfo(IDeviceIo& devices, BiosInfoRecord& record, DeviceHandle device);
// Stops and deletes the service; always true.
bool RemoveBiosDriverService(IServiceManager& services);

}  // namespace veltra
