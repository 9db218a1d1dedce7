#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

#include "core/byte_buffer.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

TEST(ByteBuffer, LittleEndianFieldsAndDates) {
    std::array<unsigned char, 26> bytes{};
    PutU16(bytes, 0, 0x1234);
    PutI64(bytes, 2, -2);
    PutDateTime(bytes, 10, DateTime{2010, 5, 5, 7, 23, 59, 58, 999});
    EXPECT_THAT(std::span(bytes).first(10), ElementsAre(0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF));
    EXPECT_THAT(std::span(bytes).subspan(10),
                ElementsAre(0xDA, 0x07, 5, 0, 5, 0, 7, 0, 23, 0, 59, 0, 58, 0, 0xE7, 0x03));
    EXPECT_EQ(GetU16(bytes, 0), 0x1234);
    EXPECT_EQ(GetI64(bytes, 2), -2);
    EXPECT_EQ(GetDateTime(bytes, 10), (DateTime{2010, 5, 5, 7, 23, 59, 58, 999}));
}

TEST(ByteBuffer, ThirtyTwoBitFieldsOfDriverRequests) {
    std::array<unsigned char, 6> bytes{};
    PutU32(bytes, 1, 0x11223344);
    EXPECT_THAT(bytes, ElementsAre(0, 0x44, 0x33, 0x22, 0x11, 0));
    EXPECT_EQ(GetU32(bytes, 1), 0x11223344u);
    PutU32(bytes, 3, 0xFFFFFFFF);  // one byte too far: nothing is written
    PutU32(bytes, static_cast<std::size_t>(-1), 0xFFFFFFFF);
    EXPECT_THAT(bytes, ElementsAre(0, 0x44, 0x33, 0x22, 0x11, 0));
    EXPECT_EQ(GetU32(bytes, 3), 0u);
    EXPECT_EQ(GetU32(bytes, static_cast<std::size_t>(-2)), 0u);
}

TEST(ByteBuffer, FieldsOutsideTheBufferAreNeitherReadNorWritten) {
    std::array<unsigned char, 4> bytes{1, 2, 3, 4};
    PutU16(bytes, 3, 0xFFFF);
    PutI64(bytes, 0, 7);
    PutI32(bytes, 1, 7);
    PutText(bytes, 2, 8, "abc");
    PutDateTime(bytes, 0, DateTime{9, 9, 9, 9, 9, 9, 9, 9});
    EXPECT_THAT(bytes, ElementsAre(1, 2, 3, 4));
    EXPECT_EQ(GetU16(bytes, 3), 0);
    EXPECT_EQ(GetI64(bytes, 0), 0);
    EXPECT_EQ(GetI32(bytes, 1), 0);
    EXPECT_EQ(GetI32(bytes, 0), 0x04030201);
    EXPECT_EQ(GetText(bytes, 1, 9), "");
    EXPECT_EQ(GetDateTime(bytes, 0), DateTime{});
}

TEST(ByteBuffer, TextsStopAtTheZeroOrTheFieldsEnd) {
    std::array<unsigned char, 8> bytes{'l', 'o', 'n', 'g', 'e', 'r', 0, 'X'};
    PutText(bytes, 0, 6, "ab");  // only the text and its zero are written
    EXPECT_THAT(bytes, ElementsAre('a', 'b', 0, 'g', 'e', 'r', 0, 'X'));
    EXPECT_EQ(GetText(bytes, 0, 6), "ab");
    PutText(bytes, 0, 4, "toolong");  // cut to fit its zero
    EXPECT_THAT(bytes, ElementsAre('t', 'o', 'o', 0, 'e', 'r', 0, 'X'));
    EXPECT_EQ(GetText(bytes, 4, 2), "er");  // no zero inside the field: the whole field
    EXPECT_EQ(GetText(bytes, 7, 1), "X");
}

}  // namespace
}  // namespace veltra
