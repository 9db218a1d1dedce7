#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "hardware/hardware_io.h"
#include "platform/device_io.h"

namespace veltra {

struct Platform;

// Result codes of Initialize and of one attempt to open the device.
enum PorvikResult : int {
    kPorvikOk = 0,
    kPorvikNotInstalled = 2,  // the service could not be installed or the device not opened after it
    kPorvikFileMissing = 3,
    kPorvikNotLoaded = 5,  // unsupported platform or a network location; Initialize's one failure code
};

// The client of the port and memory I/O driver. One per process; the hardware readers reach
// the driver through it.
class CPorvikDriver final : public IHardwareIo {
public:
    static constexpr char16_t kServiceName[] = u"Porvik_1_0_4";
    static constexpr char16_t kDevicePath[] = u"\\\\.\\Porvik_1_0_4";
    static constexpr char16_t kFile64[] = u"Porvik_X64.sys";
    static constexpr char16_t kFile32[] = u"Porvik.sys";

    static constexpr std::uint32_t kQueryOpenCountCode = 0xC3502004;
    static constexpr std::uint32_t kReadMemoryCode = 0xC3506104;
    static constexpr std::uint32_t kReadPciConfigCode = 0xC3506144;
    static constexpr std::uint32_t kReadPortByteCode = 0xC35060CC;
    static constexpr std::uint32_t kWritePortByteCode = 0xC350A0D8;

    explicit CPorvikDriver(Platform& platform);
    CPorvikDriver(const CPorvikDriver&) = delete;
    CPorvikDriver& operator=(const CPorvikDriver&) = delete;

    // Chooses the driver file, then makes up to four attempts to open the device,
    // installing the service when needed. kPorvikOk or kPorvikNotLoaded.
    int Initialize();
    // Closes the device and, when this client is its only user, removes the service.
    void Release();
    // The last step of construction: every request from now on goes to the opened device.
    void TakeOperationsHandle() { operationsHandle_ = deviceHandle_; }

    // The number of clients that have the device open; nullopt when the request fails.
    std::optional<std::uint32_t> QueryOpenCount();
    std::size_t ReadMemory(std::uint32_t physicalAddress, std::uint32_t unitSize, std::uint32_t unitCount,
                           std::uint8_t* destination) override;
    std::uint32_t ReadPciConfigDword(std::uint32_t bus, std::uint32_t device, std::uint32_t function,
                                     std::uint32_t offset) override;
    std::uint8_t ReadPortByte(std::uint16_t port) override;
    void WritePortByte(std::uint16_t port, std::uint8_t value) override;

    DeviceHandle Handle() const { return deviceHandle_; }
    const std::u16string& DriverFileName() const { return driverFileName_; }
    const std::u16string& DriverPath() const { return driverPath_; }
    bool Initialised() const { return initialised_; }

private:
    bool ChooseDriverFile();
    int OpenDevice();
    bool IsNetworkLocation() const;
    bool InstallDriverService();
    void RemoveDriverService();
    bool Request(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                 std::uint32_t& bytesReturned);

    Platform& platform_;
    DeviceHandle deviceHandle_ = kInvalidDevice;
    std::u16string driverFileName_;
    std::u16string driverPath_;
    bool initialised_ = false;
    DeviceHandle operationsHandle_ = kInvalidDevice;
};

}  // namespace veltra
