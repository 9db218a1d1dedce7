#include <windows.h>

#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace veltra {

DeviceHandle Win32DeviceIo::Open(const std::u16string& path, std::uint32_t access, std::uint32_t shareMode) {
    HANDLE device = CreateFileW(ToWide(path).c_str(), access, shareMode, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (device == INVALID_HANDLE_VALUE) return kInvalidDevice;
    return reinterpret_cast<DeviceHandle>(device);
}

bool Win32DeviceIo::Control(DeviceHandle device, std::uint32_t code, std::span<const std::uint8_t> input,
                            std::span<std::uint8_t> output, std::uint32_t& bytesReturned) {
    // Some failures leave the count untouched, so it starts at zero.
    DWORD returned = 0;
    const BOOL succeeded = DeviceIoControl(
        reinterpret_cast<HANDLE>(device), code, const_cast<std::uint8_t*>(input.empty() ? nullptr : input.data()),
        static_cast<DWORD>(input.size()), output.empty() ? nullptr : output.data(), static_cast<DWORD>(output.size()),
        &returned, nullptr);
    bytesReturned = returned;
    return succeeded != FALSE;
}

void Win32DeviceIo::Close(DeviceHandle device) {
    if (device != kInvalidDevice && device != 0) CloseHandle(reinterpret_cast<HANDLE>(device));
}

}  // namespace veltra
