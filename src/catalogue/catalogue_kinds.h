#pragma once
#include "catalogue/catalogue_scanner.h"

namespace veltra {

// Fields of a "BIOSList.xml" item.
enum BiosField : std::size_t {
    kBiosVendor, kBiosVersion, kBiosWebPath, kBiosSize, kBiosVerRangeMin, kBiosVerRangeMax, kBiosSkipVer,
    kBiosDescription, kBiosMarkName, kBiosFieldCount
};
// Fields of a "VDList.xml" item.
enum VgaDriverField : std::size_t {
    kVdNorvaVer, kVdDrvVer, kVdOs, kVdPath, kVdSize, kVdId, kVdFieldCount
};
// Fields of a "VBList.xml" item.
enum VgaBiosField : std::size_t {
    kVbVendor, kVbVersion, kVbNorvaVer, kVbWebPath, kVbSize, kVbMarkName, kVbFieldCount
};
// Fields of a "VT5_LMU.xml" or "VT5_LOU.xml" item.
enum UtilityField : std::size_t {
    kUtlItem, kUtlVersion, kUtlOs, kUtlWebPath, kUtlSize, kUtlMbid, kUtlVidDid, kUtlDescription, kUtlFieldCount
};

const CatalogueKind& BiosListKind();
const CatalogueKind& VgaDriverListKind();
const CatalogueKind& VgaBiosListKind();
const CatalogueKind& UtilityListKind();

}  // namespace veltra
