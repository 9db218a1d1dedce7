#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "catalogue/result_list.h"
#include "catalogue_fixture.h"

namespace veltra::testing {
namespace {

TEST(CheckRecordLayout, FieldsSitAtTheirOffsetsZeroPaddedAndCut) {
    CheckRecord record;
    record.index = 0x01020304;
    record.flag = "N";
    record.type = "MB BIOS";
    record.item = std::string(60, 'I');
    record.currentVersion = "1.1";
    record.onlineVersion = "1.5";
    record.size = "2 MB";
    record.webPath = "/b/x.zip";
    record.description = "one[br]two[BR]three[Br]";
    record.state = "DDDD";
    const auto bytes = SerializeCheckRecord(record);
    ASSERT_EQ(bytes.size(), 988u);
    // Hand-checked: offset, then the bytes that must be there; every other byte is zero.
    const std::vector<std::pair<std::size_t, std::string>> expected = {
        {0, std::string("\x04\x03\x02\x01", 4)},
        {4, "N"},
        {7, "MB BIOS"},
        {37, std::string(49, 'I')},  // 50-byte field: 49 bytes and the terminator
        {87, "1.1"},
        {117, "1.5"},
        {147, "2 MB"},
        {217, "/b/x.zip"},
        {473, "one[br]two[BR]three[Br]"},
        {985, "DD"},  // 3-byte field
    };
    std::array<unsigned char, 988> fixture{};
    for (const auto& [offset, text] : expected) std::memcpy(fixture.data() + offset, text.data(), text.size());
    EXPECT_EQ(bytes, fixture);
    const CheckRecord back = ParseCheckRecord(bytes);
    EXPECT_EQ(back.index, 0x01020304);
    EXPECT_EQ(back.item, std::string(49, 'I'));
    EXPECT_EQ(back.state, "DD");
}

}  // namespace
}  // namespace veltra::testing
