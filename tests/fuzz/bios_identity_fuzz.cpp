// The BIOS driver's identification string and information record, and the management
// path's version and model texts: any bytes give a bounded result and never a fault.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "hardware/bios_id_string.h"
#include "hardware/bios_info_record.h"
#include "platform/windows1252.h"
#include "sysinfo/board_wmi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    veltra::Windows1252CodePage codePage;
    const std::u16string text = codePage.FromAnsi(std::string_view(reinterpret_cast<const char*>(data), size));
    std::u16string model, version;
    if (veltra::ParseBiosIdString(text, model, version)) {
        // A model is "QB-" and four characters, perhaps "E"; a version at most four characters.
        if (model.rfind(u"QB-", 0) != 0 || model.size() < 7 || model.size() > 8) __builtin_trap();
        if (version.size() > 4) __builtin_trap();
    }
    if (veltra::BoardModelFromProduct(text).size() > 7) __builtin_trap();
    const std::u16string smbiosVersion = veltra::BiosVersionFromSmbios(text);
    if (smbiosVersion != u"UNKNOWN" && smbiosVersion.size() > 15) __builtin_trap();

    veltra::BiosInfoRecord record{};
    std::copy_n(data, std::min(size, record.size()), record.begin());
    for (std::size_t offset : {std::size_t{0}, veltra::kBiosVendorOffset, veltra::kBiosIdStringOffset, std::size_t{768}}) {
        if (veltra::BiosInfoString(record, offset, codePage).size() > veltra::kBiosInfoStringBytes) __builtin_trap();
    }
    return 0;
}
