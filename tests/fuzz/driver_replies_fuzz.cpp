// Replies of the BIOS-access driver are untrusted bytes: any reply, of any length and
// reported byte count, must give a bounded identification result and record strings that
// stay inside their fields.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "hardware/bios_driver.h"
#include "platform/device_io.h"
#include "platform/windows1252.h"

namespace {

// A device that answers every request with the fuzzer's bytes and reported count.
class ReplayDevice final : public veltra::IDeviceIo {
public:
    ReplayDevice(std::span<const std::uint8_t> reply, std::uint32_t reported) : reply_(reply), reported_(reported) {}
    veltra::DeviceHandle Open(const std::u16string&, std::uint32_t, std::uint32_t) override { return 1; }
    bool Control(veltra::DeviceHandle, std::uint32_t, std::span<const std::uint8_t>, std::span<std::uint8_t> output,
                 std::uint32_t& bytesReturned) override {
        const std::size_t copied = std::min(output.size(), reply_.size());
        std::copy_n(reply_.begin(), copied, output.begin());
        bytesReturned = std::min<std::uint32_t>(reported_, static_cast<std::uint32_t>(output.size()));
        return true;
    }
    void Close(veltra::DeviceHandle) override {}

private:
    std::span<const std::uint8_t> reply_;
    std::uint32_t reported_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint32_t reported = static_cast<std::uint32_t>(data[0]) << 3 | data[1];
    ReplayDevice device(std::span<const std::uint8_t>(data + 2, size - 2), reported);
    const std::uint32_t identified = veltra::IdentifyBoard(device, 1);
    if (identified > 256) __builtin_trap();
    veltra::BiosInfoRecord record{};
    veltra::ReadBiosInfo(device, record, 1);
    veltra::Windows1252CodePage codePage;
    for (std::size_t offset = 0; offset < 4 * veltra::kBiosInfoStringBytes; offset += veltra::kBiosInfoStringBytes) {
        if (veltra::BiosInfoString(record, offset, codePage).size() > veltra::kBiosInfoStringBytes) __builtin_trap();
    }
    return 0;
}
