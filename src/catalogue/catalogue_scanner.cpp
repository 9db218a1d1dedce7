#include "catalogue/catalogue_scanner.h"

#include <algorithm>
#include <cstring>

#include "catalogue/text_compare.h"
#include "platform/code_page.h"

namespace veltra {
namespace {

constexpr int kEndMarkByte = 0xFF;
constexpr std::string_view kBiosSectionPrefix = "<QB-";

}  // namespace

void CatalogueScanner::Scan(TextModeReader& reader, const ItemHandler& onItem) {
    reader.Rewind();
    ClearBuffer();
    collecting_ = inTag_ = biosPrefix_ = false;
    pending_ = nullptr;
    item_ = {};
    for (int byte = reader.Next(); byte != TextModeReader::kEnd && byte != kEndMarkByte; byte = reader.Next()) {
        if (collecting_) {
            CollectItem(static_cast<unsigned char>(byte), onItem);
        } else {
            SearchSection(static_cast<unsigned char>(byte));
        }
    }
}

void CatalogueScanner::SearchSection(unsigned char byte) {
    if (byte == '<') {
        ClearBuffer();
        inTag_ = true;
        biosPrefix_ = false;
    }
    if (!inTag_) return;
    Store(byte);
    if (kind_.sectionTest == SectionTest::BiosModelPrefix && position_ == kBiosSectionPrefix.size()) {
        biosPrefix_ = EqualsFoldingAtoZ(BufferText(), kBiosSectionPrefix);
    }
    if (byte != '>') return;
    inTag_ = false;
    if (IsSectionTag()) StartItem();
}

bool CatalogueScanner::IsSectionTag() const {
    if (kind_.sectionTest == SectionTest::BiosModelPrefix) return biosPrefix_;
    const std::string_view text = BufferText();
    return std::any_of(kind_.sectionMarks.begin(), kind_.sectionMarks.end(),
                       [&](std::string_view mark) { return text.find(mark) != std::string_view::npos; });
}

void CatalogueScanner::StartItem() {
    std::string name(BufferText());
    std::erase_if(name, [](char c) { return c == '<' || c == '>'; });
    item_.fields.assign(kind_.fieldCount, std::u16string());
    item_.section = Convert(name, kind_.sectionMaxUnits);
    pending_ = nullptr;
    collecting_ = true;
}

void CatalogueScanner::CollectItem(unsigned char byte, const ItemHandler& onItem) {
    const bool stored = Store(byte);
    if (byte == '<') {
        if (pending_ != nullptr) {
            if (stored) buffer_[position_ - 1] = 0;
            EndValue(onItem);
        }
        ClearBuffer();
        Store('<');
    } else if (byte == '>') {
        MatchItemTag();
    }
}

void CatalogueScanner::EndValue(const ItemHandler& onItem) {
    const ItemTag& tag = *pending_;
    pending_ = nullptr;
    item_.fields[tag.field] = Convert(BufferText(), tag.maxUnits);
    if (&tag != &kind_.tags.back()) return;
    onItem(item_);
    item_ = {};
    collecting_ = false;
    inTag_ = false;
}

void CatalogueScanner::MatchItemTag() {
    const std::string_view text = BufferText();
    for (const ItemTag& tag : kind_.tags) {
        if (EqualsFoldingAtoZ(text, tag.tag)) {
            pending_ = &tag;
            position_ = 0;
            return;
        }
    }
}

bool CatalogueScanner::Store(unsigned char byte) {
    // The last byte always stays zero; what does not fit is dropped.
    if (position_ >= kBufferBytes - 1) return false;
    buffer_[position_++] = byte;
    used_ = std::max(used_, position_);
    return true;
}

void CatalogueScanner::ClearBuffer() {
    std::memset(buffer_.data(), 0, used_);
    used_ = 0;
    position_ = 0;
}

std::string_view CatalogueScanner::BufferText() const {
    const auto* begin = reinterpret_cast<const char*>(buffer_.data());
    return std::string_view(begin, std::strlen(begin));
}

std::u16string CatalogueScanner::Convert(std::string_view bytes, std::size_t maxUnits) const {
    std::u16string text = codePage_.FromAnsi(bytes);
    if (text.size() > maxUnits) text.resize(maxUnits);
    return text;
}

}  // namespace veltra

namespace veltra {

void ScanCatalogueFile(IFile* file, const CatalogueKind& kind, ICodePage& codePage,
                       const CatalogueScanner::ItemHandler& onItem) {
    if (file == nullptr) return;
    TextModeReader reader(*file);
    CatalogueScanner scanner(kind, codePage);
    scanner.Scan(reader, onItem);
}

}  // namespace veltra
