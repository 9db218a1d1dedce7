// A tag catalogue of one kind (chosen at build time): any bytes must scan without a fault,
// and every value must stay within its field and the scanner's buffer.
#include <cstddef>
#include <cstdint>

#include "catalogue/catalogue_kinds.h"
#include "platform/memory_file.h"
#include "platform/windows1252.h"

namespace {

const veltra::CatalogueKind& Kind() {
    switch (VELTRA_FUZZ_CATALOGUE_KIND) {
        case 0: return veltra::BiosListKind();
        case 1: return veltra::VgaDriverListKind();
        case 2: return veltra::VgaBiosListKind();
        default: return veltra::UtilityListKind();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    veltra::ReadOnlyMemoryFile file({data, size});
    veltra::Windows1252CodePage codePage;
    const veltra::CatalogueKind& kind = Kind();
    veltra::ScanCatalogueFile(&file, kind, codePage, [&](const veltra::CatalogueItem& item) {
        if (item.fields.size() != kind.fieldCount) __builtin_trap();
        for (const veltra::ItemTag& tag : kind.tags) {
            const std::size_t length = item.fields[tag.field].size();
            if (length > tag.maxUnits || length >= veltra::CatalogueScanner::kBufferBytes) __builtin_trap();
        }
        if (item.section.size() > kind.sectionMaxUnits) __builtin_trap();
    });
    return 0;
}
