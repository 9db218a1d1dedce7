#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace veltra {

class ICodePage;
class PciBus;

// Reads the adapter name through the caller's source (the management service in the program)
// and the video BIOS version from the vendor's banner in the legacy video ROM window.
class CVgaBiosReader {
public:
    enum VendorCode : int { kNvidia = 0, kIntel = 1, kAti = 2, kOther = 3 };
    using AdapterNameSource = std::function<std::u16string()>;

    CVgaBiosReader(PciBus& pci, AdapterNameSource adapterName, ICodePage& codePage);

    void Run();
    std::u16string GetAdapterName() const { return adapterName_; }
    std::u16string GetVgaBiosVersion() const { return vgaBiosVersion_; }
    // The vendor of the first VGA-compatible display function; `code`
    // stays as it is when there is none.
    void DetectDisplayVendor(int& code);

private:
    using Reader = void (CVgaBiosReader::*)();
    // The common start of the vendor readers: the first banner match, 256 bytes from there.
    void ReadBannerVersion(std::u16string_view banner, std::string (*cutVersion)(std::string_view));
    void ReadNvidiaVersion();
    void ReadIntelVersion();
    void ReadAtiVersion();
    void ReadNothing() {}

    std::u16string adapterName_;
    std::u16string vgaBiosVersion_;
    PciBus& pci_;
    AdapterNameSource adapterNameSource_;
    ICodePage& codePage_;
    std::map<int, Reader> readers_;
};

}  // namespace veltra
