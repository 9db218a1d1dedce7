#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

#include "hardware/control_buffer.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

TEST(ControlBuffer, LittleEndianFieldsStayInsideTheBuffer) {
    std::array<std::uint8_t, 6> buffer{};
    PutLe32(buffer, 0, 0x11223344);
    PutLe16(buffer, 4, 0xA1B2);
    EXPECT_THAT(buffer, ElementsAre(0x44, 0x33, 0x22, 0x11, 0xB2, 0xA1));
    EXPECT_EQ(GetLe32(buffer, 0), 0x11223344u);
    EXPECT_EQ(GetLe32(buffer, 2), 0xA1B21122u);

    PutLe32(buffer, 3, 0xFFFFFFFF);  // one byte too far: nothing is written
    PutLe16(buffer, 5, 0xFFFF);
    PutLe32(buffer, static_cast<std::size_t>(-1), 0xFFFFFFFF);
    EXPECT_THAT(buffer, ElementsAre(0x44, 0x33, 0x22, 0x11, 0xB2, 0xA1));
    EXPECT_EQ(GetLe32(buffer, 3), 0u);
    EXPECT_EQ(GetLe32(buffer, static_cast<std::size_t>(-2)), 0u);
}

}  // namespace
}  // namespace veltra
