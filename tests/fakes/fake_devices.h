#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "fakes/fake_services.h"
#include "platform/device_io.h"

namespace veltra::fakes {

// "0x" and upper-case hexadecimal digits, for journal lines.
std::string HexText(std::uint32_t value);

// A kernel driver's device as a model: it decodes each request and answers from what it
// holds. Every request is recorded; switches make a request fail or its reply short.
class FakeDriverDevice {
public:
    struct Request {
        std::uint32_t code = 0;
        std::vector<std::uint8_t> input;
        std::size_t outputSize = 0;
    };

    virtual ~FakeDriverDevice() = default;
    // Records the request, applies the switches and lets the model answer.
    bool Handle(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                std::uint32_t& bytesReturned);

    std::vector<Request> requests;
    std::set<std::uint32_t> failingCodes;        // these requests fail
    std::optional<std::uint32_t> shortReplyBytes;  // every reply is cut to this many bytes
    int openHandles = 0;                         // kept by FakeDeviceIo

protected:
    // False for a request the driver rejects (unknown code, wrong buffer sizes).
    virtual bool Answer(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                        std::uint32_t& bytesReturned) = 0;
};

// Devices named "\\.\<service name>" that can be opened while their service runs.
class FakeDeviceIo final : public IDeviceIo {
public:
    FakeDeviceIo(FakeServiceManager& services, Journal& journal) : services_(services), journal_(journal) {}

    void Attach(const std::u16string& serviceName, FakeDriverDevice& device) { devices_[serviceName] = &device; }
    std::size_t OpenHandles() const { return handles_.size(); }

    struct OpenCall {
        std::u16string path;
        std::uint32_t access = 0;
        std::uint32_t shareMode = 0;
    };
    std::vector<OpenCall> opens;
    bool openGivesNullHandle = false;  // a handle value of 0 for a device that opened
    int busyOpens = 0;                 // this many opens fail although the device is there

    DeviceHandle Open(const std::u16string& path, std::uint32_t access, std::uint32_t shareMode) override;
    bool Control(DeviceHandle device, std::uint32_t code, std::span<const std::uint8_t> input,
                 std::span<std::uint8_t> output, std::uint32_t& bytesReturned) override;
    void Close(DeviceHandle device) override;

private:
    FakeDriverDevice* Find(const std::u16string& path);

    FakeServiceManager& services_;
    Journal& journal_;
    std::map<std::u16string, FakeDriverDevice*> devices_;
    std::map<DeviceHandle, FakeDriverDevice*> handles_;
    DeviceHandle next_ = 0x200;
};

}  // namespace veltra::fakes
