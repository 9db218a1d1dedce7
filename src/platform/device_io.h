#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace veltra {

// An opaque handle of an opened device.
using DeviceHandle = std::uintptr_t;
// What CreateFileW gives when the device cannot be opened: all bits set.
inline constexpr DeviceHandle kInvalidDevice = ~DeviceHandle{0};

// Devices of kernel drivers, opened by their "\\.\" name and called with control requests.
class IDeviceIo {
public:
    virtual ~IDeviceIo() = default;
    // CreateFileW with the given access and share mode, open-existing, normal attributes.
    virtual DeviceHandle Open(const std::u16string& path, std::uint32_t access, std::uint32_t shareMode) = 0;
    // DeviceIoControl; bytesReturned is what the driver reported (0 when it reported nothing).
    virtual bool Control(DeviceHandle device, std::uint32_t code, std::span<const std::uint8_t> input,
                         std::span<std::uint8_t> output, std::uint32_t& bytesReturned) = 0;
    virtual void Close(DeviceHandle device) = 0;
};

}  // namespace veltra
