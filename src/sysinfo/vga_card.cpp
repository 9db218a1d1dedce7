#include "sysinfo/vga_card.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "core/debug_log.h"
#include "core/record_file.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "hardware/memory_search.h"
#include "hardware/pci_walk.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "sysinfo/vga_info.h"
#include "sysinfo/wmi_query.h"

namespace veltra {
namespace {

constexpr char16_t kMakerBanner[] = u"NORVA";
constexpr char kModelMarker[] = "QB.";
constexpr std::size_t kModelMarkerLength = 3;
constexpr std::size_t kCardModelStart = 5;  // right after the banner
constexpr std::size_t kCardModelCharacters = 4;

// Decides maker-built flag, chip vendor and device id from one display function; the
// last function walked wins.
void NoteDisplayFunction(IHardwareIo& io, const PciFunction& found, VT5Record& vt5) {
    const std::uint32_t ids = ReadPciRegister(io, found, kPciIdRegister);
    const std::uint32_t subsystem = ReadPciRegister(io, found, kPciSubsystemRegister);
    const auto vendor = static_cast<std::uint16_t>(ids & 0xFFFF);
    const std::uint32_t deviceId = ids >> 16;
    vt5.pVGA->nDeviceID = static_cast<std::int32_t>(deviceId);
    const bool makerBuilt = (subsystem & 0xFFFF) == kMakerSubsystemVendorId;
    if (makerBuilt && (vendor == kVendorNvidia || vendor == kVendorAti)) {
        vt5.bMakerCard = 1;
        vt5.nChipVendor = vendor;
        DebugLog((vendor == kVendorNvidia ? u"NVIDIA VGA Card PCI ID = " : u"ATI VGA Card PCI ID = ") +
                 HexText(deviceId, 4, false));
    } else {
        vt5.bMakerCard = 0;
        vt5.nChipVendor = 0;
    }
}

std::u16string VendorText(int chipVendor) {
    if (chipVendor == kVendorNvidia) return u"NVIDIA";
    if (chipVendor == kVendorAti) return u"ATI";
    return u"UNKNOWN";
}

// The token that starts with "QB.", up to the next blank, without "QB.".
std::string ModelNumber(const std::string& romText) {
    const std::size_t marker = romText.find(kModelMarker);
    if (marker == std::string::npos) return {};
    const std::size_t start = marker + kModelMarkerLength;
    const std::size_t blank = romText.find(' ', start);
    return romText.substr(start, blank == std::string::npos ? std::string::npos : blank - start);
}

std::string ReadCardText(const std::array<char, kVgaCardRecordBytes>& record, unsigned offset, unsigned size) {
    const auto begin = record.begin() + offset;
    return std::string(begin, std::find(begin, begin + size, '\0'));
}

void MatchCardList(IFile& file, const std::u16string& key, ICodePage& codePage, VGAInfo& vga) {
    std::array<char, kVgaCardRecordBytes> record{};
    while (file.Read(record.data(), record.size()) == record.size()) {
        const std::u16string id = ToUpperAscii(codePage.FromAnsi(ReadCardText(record, kVgaCardIdOffset, kVgaCardIdBytes)));
        if (Contains(id, key)) {
            vga.sCardName = codePage.FromAnsi(ReadCardText(record, kVgaCardNameOffset, kVgaCardNameBytes));
        }
    }
}

}  // namespace

void IdentifyVgaCard(PciBus& pci, ICodePage& codePage, VT5Record& vt5) {
    IHardwareIo& io = pci.Io();
    vt5.pVGA = std::make_shared<VGAInfo>();
    WalkPci(pci, [&](const PciFunction& found) {
        if (found.ClassValue() == kPciClassVga) NoteDisplayFunction(io, found, vt5);
        return false;
    });
    const std::u16string vendorText = VendorText(vt5.nChipVendor);
    std::optional<std::string> romText = ReadVideoRomBannerText(io, kMakerBanner);
    if (!romText) return;
    vt5.pVGA->sModelNo = codePage.FromAnsi(ModelNumber(*romText));
    if (vt5.bMakerCard == 1 && vt5.nChipVendor != 0) {
        romText = "QB-" + romText->substr(std::min(kCardModelStart, romText->size()), kCardModelCharacters);
    }
    vt5.pVGA->sVendor = vendorText;
    vt5.pVGA->sBIOSVersion.clear();
    vt5.pVGA->sBIOSText = codePage.FromAnsi(*romText);
}

void LookupVgaCardList(IFileSystem& fileSystem, CWmiQuery& wmi, ICodePage& codePage, VT5Record& vt5) {
    if (!vt5.pVGA) vt5.pVGA = std::make_shared<VGAInfo>();
    VGAInfo& vga = *vt5.pVGA;
    std::unique_ptr<IFile> file;
    const std::u16string path = RecordPath(vt5.sWorkPath, u"VT5\\DL_INFO", kVgaCardListName);
    if (OpenRecordFile(fileSystem, path, file, 0, 2) != kRecordMissing && file) {
        MatchCardList(*file, HexText(static_cast<std::uint32_t>(vga.nDeviceID)), codePage, vga);
    }
    if (vga.sProcessor.empty()) vga.sProcessor = wmi.GetVideoProcessor();
    if (vga.sDriverVersion.empty()) vga.sDriverVersion = wmi.GetVideoDriverVersion();
}

}  // namespace veltra
