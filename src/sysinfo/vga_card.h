#pragma once
#include <cstdint>

namespace veltra {

class CWmiQuery;
class ICodePage;
class IFileSystem;
class PciBus;
struct VT5Record;

// The board maker's own PCI vendor id, found as the subsystem vendor of the cards it builds.
inline constexpr std::uint16_t kMakerSubsystemVendorId = VELTRA_MAKER_PCI_VENDOR;

inline constexpr char16_t kVgaCardListName[] = u"VGACardList.rec";
inline constexpr unsigned kVgaCardRecordBytes = 140;
inline constexpr unsigned kVgaCardIdOffset = 48;
inline constexpr unsigned kVgaCardIdBytes = 10;
inline constexpr unsigned kVgaCardNameOffset = 58;
inline constexpr unsigned kVgaCardNameBytes = 82;

// Creates vt5.pVGA and fills vendor, device id, ROM text and model number from the last
// VGA-compatible display function and the maker's banner in the video ROM.
void IdentifyVgaCard(PciBus& pci, ICodePage& codePage, VT5Record& vt5);

// The card name from "VT5\DL_INFO\VGACardList.rec" (the last record whose id contains the
// device id in hex), then processor and driver version from the management service when
// still empty.
void LookupVgaCardList(IFileSystem& fileSystem, CWmiQuery& wmi, ICodePage& codePage, VT5Record& vt5);

}  // namespace veltra
