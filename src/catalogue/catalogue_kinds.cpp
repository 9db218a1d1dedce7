#include "catalogue/catalogue_kinds.h"

#include <limits>

namespace veltra {
namespace {

// Texts without a width of their own are bounded only by the scanner's buffer.
constexpr std::size_t kAnyLength = std::numeric_limits<std::size_t>::max();

// A fixed-width field holds its width minus the terminating zero.
constexpr std::size_t Width(std::size_t units) { return units - 1; }

}  // namespace

const CatalogueKind& BiosListKind() {
    static const CatalogueKind kind{SectionTest::BiosModelPrefix,
                                    {},
                                    Width(50),
                                    {{"<Vendor>", kBiosVendor, Width(30)},
                                     {"<Version>", kBiosVersion, Width(30)},
                                     {"<WebPath>", kBiosWebPath, Width(255)},
                                     {"<Size>", kBiosSize, Width(30)},
                                     {"<VerRangeMin>", kBiosVerRangeMin, Width(30)},
                                     {"<VerRangeMax>", kBiosVerRangeMax, Width(30)},
                                     {"<SkipVer>", kBiosSkipVer, Width(30)},
                                     {"<Description>", kBiosDescription, Width(512)},
                                     {"<MarkName>", kBiosMarkName, Width(256)}},
                                    kBiosFieldCount};
    return kind;
}

const CatalogueKind& VgaDriverListKind() {
    static const CatalogueKind kind{SectionTest::ContainsMark,
                                    {"<NVIDIA>", "<ATI>"},
                                    kAnyLength,
                                    {{"<NORVAVER>", kVdNorvaVer, kAnyLength},
                                     {"<DRVVER>", kVdDrvVer, kAnyLength},
                                     {"<OS>", kVdOs, kAnyLength},
                                     {"<PATH>", kVdPath, kAnyLength},
                                     {"<SIZE>", kVdSize, kAnyLength},
                                     {"<ID>", kVdId, 1023}},
                                    kVdFieldCount};
    return kind;
}

const CatalogueKind& VgaBiosListKind() {
    static const CatalogueKind kind{SectionTest::ContainsMark,
                                    {"<QB-"},
                                    kAnyLength,
                                    {{"<Vendor>", kVbVendor, kAnyLength},
                                     {"<Version>", kVbVersion, kAnyLength},
                                     {"<NORVAVer>", kVbNorvaVer, kAnyLength},
                                     {"<WebPath>", kVbWebPath, kAnyLength},
                                     {"<Size>", kVbSize, kAnyLength},
                                     {"<MarkName>", kVbMarkName, kAnyLength}},
                                    kVbFieldCount};
    return kind;
}

const CatalogueKind& UtilityListKind() {
    static const CatalogueKind kind{SectionTest::ContainsMark,
                                    {"<UTL>"},
                                    kAnyLength,
                                    {{"<Item>", kUtlItem, kAnyLength},
                                     {"<Version>", kUtlVersion, kAnyLength},
                                     {"<OS>", kUtlOs, kAnyLength},
                                     {"<WebPath>", kUtlWebPath, kAnyLength},
                                     {"<SIZE>", kUtlSize, kAnyLength},
                                     {"<MBID>", kUtlMbid, kAnyLength},
                                     {"<VIDDID>", kUtlVidDid, kAnyLength},
                                     {"<Description>", kUtlDescription, kAnyLength}},
                                    kUtlFieldCount};
    return kind;
}

}  // namespace veltra
