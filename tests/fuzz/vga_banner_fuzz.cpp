// Video ROM banners: the three version cutters on any text, and the whole reader on a
// video ROM window of arbitrary bytes for each display vendor.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_memory.h"
#include "hardware/vga_bios_banner.h"
#include "hardware/vga_bios_reader.h"
#include "platform/windows1252.h"
#include "platform/wmi.h"
#include "sysinfo/wmi_query.h"

namespace {

// A management service that knows nothing.
class NoWmi final : public veltra::IWmi {
public:
    veltra::WmiValue FirstInstanceProperty(const std::u16string&, const std::u16string&) override { return {}; }
};

void CheckToken(std::string_view text, const std::string& version) {
    if (version.find(' ') != std::string::npos || text.find(version) == std::string_view::npos) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckToken(text, veltra::NvidiaVersionFromBanner(text));
    CheckToken(text, veltra::IntelVersionFromBanner(text));
    const std::string ati = veltra::AtiVersionFromBanner(text);
    if (ati.size() > text.size() || text.substr(text.size() - ati.size()) != ati) __builtin_trap();

    NoWmi wmi;
    veltra::CWmiQuery query(wmi);
    veltra::Windows1252CodePage codePage;
    constexpr std::uint16_t kVendors[] = {0x10DE, 0x8086, 0x1002};
    for (std::uint16_t vendor : kVendors) {
        veltra::fuzz::FuzzMemory memory;
        memory.Serve(0xC0000, text);
        memory.SetDisplay(vendor);
        veltra::CVgaBiosReader reader(memory, query, codePage);
        reader.Run();
        if (reader.GetVgaBiosVersion().size() > 256) __builtin_trap();
    }
    return 0;
}
