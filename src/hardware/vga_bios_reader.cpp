#include "hardware/vga_bios_reader.h"

#include <optional>
#include <utility>

#include "hardware/memory_search.h"
#include "hardware/pci_walk.h"
#include "hardware/vga_bios_banner.h"
#include "platform/code_page.h"

namespace veltra {
namespace {

std::u16string TrimmedWhiteSpace(const std::u16string& text) {
    constexpr char16_t kWhite[] = u" \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kWhite);
    if (first == std::u16string::npos) return {};
    return text.substr(first, text.find_last_not_of(kWhite) - first + 1);
}

int VendorCodeOf(std::uint32_t idRegister) {
    switch (idRegister & 0xFFFF) {
        case kVendorAti: return CVgaBiosReader::kAti;
        case kVendorNvidia: return CVgaBiosReader::kNvidia;
        case kVendorIntel: return CVgaBiosReader::kIntel;
        default: return CVgaBiosReader::kOther;
    }
}

}  // namespace

CVgaBiosReader::CVgaBiosReader(PciBus& pci, AdapterNameSource adapterName, ICodePage& codePage)
    : pci_(pci), adapterNameSource_(std::move(adapterName)), codePage_(codePage) {
    readers_[kNvidia] = &CVgaBiosReader::ReadNvidiaVersion;
    readers_[kIntel] = &CVgaBiosReader::ReadIntelVersion;
    readers_[kAti] = &CVgaBiosReader::ReadAtiVersion;
    readers_[kOther] = &CVgaBiosReader::ReadNothing;
}

void CVgaBiosReader::Run() {
    adapterName_ = TrimmedWhiteSpace(adapterNameSource_());
    int code = kOther;
    DetectDisplayVendor(code);
    (this->*readers_.at(code))();
}

void CVgaBiosReader::DetectDisplayVendor(int& code) {
    const auto display = WalkPci(pci_, [](const PciFunction& f) { return f.ClassValue() == kPciClassVga; });
    if (display) code = VendorCodeOf(ReadPciRegister(pci_.Io(), *display, kPciIdRegister));
}

void CVgaBiosReader::ReadBannerVersion(std::u16string_view banner, std::string (*cutVersion)(std::string_view)) {
    if (const std::optional<std::string> text = ReadVideoRomBannerText(pci_.Io(), banner)) {
        vgaBiosVersion_ = codePage_.FromAnsi(cutVersion(*text));
    }
}

void CVgaBiosReader::ReadNvidiaVersion() { ReadBannerVersion(u"Version", NvidiaVersionFromBanner); }
void CVgaBiosReader::ReadIntelVersion() { ReadBannerVersion(u"SVGA", IntelVersionFromBanner); }
void CVgaBiosReader::ReadAtiVersion() { ReadBannerVersion(u"ATOMBIOSBK-ATI", AtiVersionFromBanner); }

}  // namespace veltra
