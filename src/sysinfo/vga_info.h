#pragma once
#include <cstdint>
#include <string>

namespace veltra {

// The graphics card description reached through VT5Record::pVGA.
struct VGAInfo {
    std::u16string sVendor;         // "NVIDIA", "ATI" or "UNKNOWN"
    std::u16string sBIOSVersion;    // video BIOS version
    std::u16string sBIOSText;       // video ROM text after the banner, or "QB-" and the card model
    std::u16string sModelNo;        // the "QB." token of the ROM text without "QB."
    std::u16string sDriverVersion;  // display driver version
    std::u16string sProcessor;      // graphics processor name
    std::u16string sCardName;       // card name, finally the adapter name
    std::int32_t nDeviceID = 0;     // PCI device id of the last display function found
};

}  // namespace veltra
