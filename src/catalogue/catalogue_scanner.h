#pragma once
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/text_mode_reader.h"

namespace veltra {

class ICodePage;

// How a tag catalogue marks the start of an item.
enum class SectionTest {
    BiosModelPrefix,  // the first four bytes of a tag are "<QB-", A to Z folded
    ContainsMark,     // at '>', the tag text contains one of the marks, exact case
};

struct ItemTag {
    std::string_view tag;  // with its brackets, compared with A to Z folded
    std::size_t field;     // index into CatalogueItem::fields
    std::size_t maxUnits;  // longest value kept, in UTF-16 units
};

// One kind of tag catalogue. Tags are tested in this order; the value of the last one ends an item.
struct CatalogueKind {
    SectionTest sectionTest;
    std::vector<std::string_view> sectionMarks;
    std::size_t sectionMaxUnits;
    std::vector<ItemTag> tags;
    std::size_t fieldCount;
};

struct CatalogueItem {
    std::u16string section;  // the section tag without '<' and '>'
    std::vector<std::u16string> fields;
};

// Scans a tag catalogue byte by byte from its start and hands every finished item over.
// A byte 0xFF ends the scan as the end of the file does; an unfinished item is dropped.
class CatalogueScanner {
public:
    static constexpr std::size_t kBufferBytes = 1024;
    using ItemHandler = std::function<void(const CatalogueItem&)>;

    CatalogueScanner(const CatalogueKind& kind, ICodePage& codePage) : kind_(kind), codePage_(codePage) {}
    void Scan(TextModeReader& reader, const ItemHandler& onItem);

private:
    void SearchSection(unsigned char byte);
    void CollectItem(unsigned char byte, const ItemHandler& onItem);
    bool IsSectionTag() const;
    void StartItem();
    void EndValue(const ItemHandler& onItem);
    void MatchItemTag();
    bool Store(unsigned char byte);
    void ClearBuffer();
    std::string_view BufferText() const;
    std::u16string Convert(std::string_view bytes, std::size_t maxUnits) const;

    const CatalogueKind& kind_;
    ICodePage& codePage_;
    std::array<unsigned char, kBufferBytes> buffer_{};
    std::size_t position_ = 0;
    std::size_t used_ = 0;  // bytes written since the last clear, so clearing costs no more than that
    bool collecting_ = false;
    bool inTag_ = false;
    bool biosPrefix_ = false;
    const ItemTag* pending_ = nullptr;
    CatalogueItem item_;
};

}  // namespace veltra

namespace veltra {

// Scans an open catalogue file from its start; a null file yields no items.
void ScanCatalogueFile(IFile* file, const CatalogueKind& kind, ICodePage& codePage,
                       const CatalogueScanner::ItemHandler& onItem);

}  // namespace veltra
