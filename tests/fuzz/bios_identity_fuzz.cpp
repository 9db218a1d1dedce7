// What the BIOS-access driver answers and what the management path reads: any bytes, as a
// driver reply of any reported length or as text, give a bounded identification and record
// strings that stay inside their fields.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "hardware/bios_driver.h"
#include "hardware/bios_id_string.h"
#include "hardware/bios_info_record.h"
#include "platform/device_io.h"
#include "platform/windows1252.h"
#include "sysinfo/board_wmi.h"

namespace {

// A device that answers every request with the fuzzer's bytes and reported count.
class ReplayDevice final : public veltra::IDeviceIo {
public:
    ReplayDevice(std::span<const std::uint8_t> reply, std::uint32_t reported) : reply_(reply), reported_(reported) {}
    veltra::DeviceHandle Open(const std::u16string&, std::uint32_t, std::uint32_t) override { return 1; }
    bool Control(veltra::DeviceHandle, std::uint32_t, std::span<const std::uint8_t>, std::span<std::uint8_t> output,
                 std::uint32_t& bytesReturned) override {
        std::copy_n(reply_.begin(), std::min(output.size(), reply_.size()), output.begin());
        bytesReturned = std::min<std::uint32_t>(reported_, static_cast<std::uint32_t>(output.size()));
        return true;
    }
    void Close(veltra::DeviceHandle) override {}

private:
    std::span<const std::uint8_t> reply_;
    std::uint32_t reported_;
};

void CheckTexts(const std::u16string& text) {
    std::u16string model, version;
    if (veltra::ParseBiosIdString(text, model, version)) {
        // A model is "QB-" and four characters, perhaps "E"; a version at most four characters.
        if (model.rfind(u"QB-", 0) != 0 || model.size() < 7 || model.size() > 8) __builtin_trap();
        if (version.size() > 4) __builtin_trap();
    }
    if (veltra::BoardModelFromProduct(text).size() > 7) __builtin_trap();
    const std::u16string vendor = veltra::BiosVendorFromManufacturer(text);
    if (vendor != u"AMIBIOS" && vendor != u"Award") __builtin_trap();
    const std::u16string smbiosVersion = veltra::BiosVersionFromSmbios(text);
    if (smbiosVersion != u"UNKNOWN" && smbiosVersion.size() > 15) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    veltra::Windows1252CodePage codePage;
    CheckTexts(codePage.FromAnsi(std::string_view(reinterpret_cast<const char*>(data), size)));
    if (size < 2) return 0;
    const std::uint32_t reported = static_cast<std::uint32_t>(data[0]) << 3 | data[1];
    ReplayDevice device(std::span<const std::uint8_t>(data + 2, size - 2), reported);
    if (veltra::IdentifyBoard(device, 1) > 256) __builtin_trap();
    veltra::BiosInfoRecord record{};
    veltra::ReadBiosInfo(device, record, 1);
    for (std::size_t offset = 0; offset < 4 * veltra::kBiosInfoStringBytes; offset += veltra::kBiosInfoStringBytes) {
        if (veltra::BiosInfoString(record, offset, codePage).size() > veltra::kBiosInfoStringBytes) __builtin_trap();
    }
    return 0;
}
