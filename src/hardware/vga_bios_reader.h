#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace veltra {

class CWmiQuery;
class ICodePage;
class PciBus;

// Reads the adapter name from the management service and the video BIOS version from the
// vendor's banner in the legacy video ROM window.
class CVgaBiosReader {
public:
    enum VendorCode : int { kNvidia = 0, kIntel = 1, kAti = 2, kOther = 3 };

    CVgaBiosReader(PciBus& pci, CWmiQuery& wmi, ICodePage& codePage);

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
    CWmiQuery& wmi_;
    ICodePage& codePage_;
    std::map<int, Reader> readers_;
};

}  // namespace veltra
