#include "fakes/fake_devices.h"

#include <algorithm>

#include "core/text.h"

namespace veltra::fakes {

std::string HexText(std::uint32_t value) { return "0x" + Utf16ToUtf8(veltra::HexText(value)); }

bool FakeDriverDevice::Handle(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                              std::uint32_t& bytesReturned) {
    // The input is copied first: a buffered request may use one buffer both ways.
    requests.push_back({code, std::vector<std::uint8_t>(input.begin(), input.end()), output.size()});
    const std::vector<std::uint8_t> copied(input.begin(), input.end());
    if (failingCodes.count(code) != 0) return false;
    std::vector<std::uint8_t> reply(output.size(), 0);
    std::uint32_t produced = 0;
    if (!Answer(code, copied, reply, produced)) return false;
    if (shortReplyBytes) produced = std::min(produced, *shortReplyBytes);
    std::copy_n(reply.begin(), produced, output.begin());
    bytesReturned = produced;
    return true;
}

FakeDriverDevice* FakeDeviceIo::Find(const std::u16string& path) {
    constexpr std::u16string_view kPrefix = u"\\\\.\\";
    if (path.compare(0, kPrefix.size(), kPrefix) != 0) return nullptr;
    const std::u16string name = path.substr(kPrefix.size());
    const auto found = devices_.find(name);
    if (found == devices_.end() || !services_.Running(name)) return nullptr;
    return found->second;
}

DeviceHandle FakeDeviceIo::Open(const std::u16string& path, std::uint32_t access, std::uint32_t shareMode) {
    journal_.push_back("CreateFile " + Utf16ToUtf8(path));
    opens.push_back({path, access, shareMode});
    FakeDriverDevice* device = Find(path);
    if (device == nullptr) return kInvalidDevice;
    if (busyOpens > 0) {
        --busyOpens;
        return kInvalidDevice;
    }
    ++device->openHandles;
    const DeviceHandle handle = openGivesNullHandle ? 0 : next_++;
    handles_[handle] = device;
    return handle;
}

bool FakeDeviceIo::Control(DeviceHandle device, std::uint32_t code, std::span<const std::uint8_t> input,
                           std::span<std::uint8_t> output, std::uint32_t& bytesReturned) {
    journal_.push_back("DeviceIoControl " + HexText(code));
    const auto found = handles_.find(device);
    if (found == handles_.end()) return false;
    return found->second->Handle(code, input, output, bytesReturned);
}

void FakeDeviceIo::Close(DeviceHandle device) {
    journal_.push_back("CloseHandle");
    const auto found = handles_.find(device);
    if (found == handles_.end()) {
        journal_.push_back("CloseHandle of an unknown handle");
        return;
    }
    --found->second->openHandles;
    handles_.erase(found);
}

}  // namespace veltra::fakes
