#include <gtest/gtest.h>

#include "catalogue/catalogue_kinds.h"
#include "catalogue_fixture.h"

namespace veltra::testing {
namespace {

std::vector<CatalogueItem> Scan(const CatalogueKind& kind, std::string_view text) {
    fakes::FakeFileSystem files;
    files.AddFile(u"C:\\c.xml", Bytes(text));
    auto file = files.Open(u"C:\\c.xml", FileOpenMode::ReadOnly);
    Windows1252CodePage codePage;
    std::vector<CatalogueItem> items;
    ScanCatalogueFile(file.get(), kind, codePage, [&](const CatalogueItem& item) { items.push_back(item); });
    return items;
}

TEST(CatalogueScanner, EndsOfFileDropTheUnfinishedItem) {
    // The file ends inside the last value: the value was never closed, so nothing comes out.
    EXPECT_TRUE(Scan(BiosListKind(), "<QB-1><Version>1</Version><MarkName>abc").empty());
    // 0xFF inside a description ends the whole file there.
    EXPECT_TRUE(Scan(BiosListKind(), "<QB-1><Description>a\xFF</Description><MarkName>m</MarkName>").empty());
    // 0x1A ends the file as text mode does; the item before it is kept.
    auto items = Scan(BiosListKind(), "<QB-1><MarkName>m</MarkName>\x1A<QB-2><MarkName>n</MarkName>");
    ASSERT_EQ(items.size(), 1u);
    // A lone CR stays; only CR LF pairs become LF.
    items = Scan(BiosListKind(), "<QB-1><MarkName>a\rb\r\r\nc</MarkName>");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].fields[kBiosMarkName], u"a\rb\r\nc");
}

TEST(CatalogueScanner, LongValuesAndTagsAreCutAtTheirFieldsAndTheBuffer) {
    const std::string longText(5000, 'v');
    auto items = Scan(BiosListKind(), "<QB-" + std::string(300, '9') + "><Version>" + longText +
                                          "</Version><Description>" + longText + "</Description><MarkName>" +
                                          longText + "</MarkName>");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].section.size(), 49u);
    EXPECT_EQ(items[0].fields[kBiosVersion], std::u16string(29, u'v'));
    EXPECT_EQ(items[0].fields[kBiosDescription].size(), 511u);
    EXPECT_EQ(items[0].fields[kBiosMarkName].size(), 255u);
    // Texts without a width keep what the 1023-byte buffer holds.
    items = Scan(UtilityListKind(), "<UTL><Item>" + longText + "</Item><Description>" + longText + "</Description>");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].fields[kUtlItem], std::u16string(1023, u'v'));
    // An unterminated tag longer than the buffer matches nothing and does not run past it.
    items = Scan(UtilityListKind(), "<UTL><" + longText + "<Description>d</Description>");
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].fields[kUtlDescription], u"d");
}

}  // namespace
}  // namespace veltra::testing
