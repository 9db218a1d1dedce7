#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/model_machine.h"
#include "hardware/memory_search.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

// A machine serving the whole BIOS ROM window, zero-filled.
fakes::ModelMachine BiosWindowMachine() {
    fakes::ModelMachine machine;
    machine.AddMemory(0xF0000, std::vector<std::uint8_t>(0x10000, 0));
    return machine;
}

TEST(MemorySearch, BlockEdgesWindowEdgesAndUnreadableBlocks) {
    fakes::ModelMachine machine = BiosWindowMachine();
    machine.PutText(0xF01FB, "_DMI_");  // ends on the last byte of its block: found
    machine.PutText(0xF02FE, "_DMI_");  // crosses into the next block: not found
    machine.PutText(0xFFFFB, "_DMI_");  // ends on the last byte of the window: found
    std::vector<std::u16string> matches;
    EXPECT_EQ(FindMemorySignature(machine, u"_DMI_", matches), 2);
    EXPECT_THAT(matches, ElementsAre(u"000F01FB", u"000FFFFB"));

    fakes::ModelMachine partial;  // only half the window is served: the rest is skipped
    partial.AddMemory(0xF8000, std::vector<std::uint8_t>(0x8000, 0));
    partial.PutText(0xF8100, "_DMI_");
    matches.clear();
    EXPECT_EQ(FindMemorySignature(partial, u"_DMI_", matches), 1);
    EXPECT_EQ(partial.memoryReads, 1 + 256);  // the whole window failed, then block by block

    partial.shortMemoryReads = true;
    EXPECT_EQ(FindMemorySignature(partial, u"_DMI_", matches), 0);
    partial.shortMemoryReads = false;
    partial.deviceOpen = false;
    EXPECT_EQ(FindMemorySignature(partial, u"_DMI_", matches), 0);
}

}  // namespace
}  // namespace veltra
