#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/model_machine.h"
#include "hardware/dmi.h"
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

TEST(MemorySearch, MatchesAreListedAsEightHexDigitsInAddressOrder) {
    fakes::ModelMachine machine = BiosWindowMachine();
    machine.PutText(0xF0A30, "_DMI_");
    machine.PutText(0xF0000, "_DMI_");
    machine.PutText(0xFFE10, "_DMI_");
    std::vector<std::u16string> matches{u"kept"};
    EXPECT_EQ(FindMemorySignature(machine, u"_DMI_", matches), 3);
    EXPECT_THAT(matches, ElementsAre(u"kept", u"000F0000", u"000F0A30", u"000FFE10"));
    EXPECT_EQ(machine.memoryReads, 256);
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

    partial.shortMemoryReads = true;
    EXPECT_EQ(FindMemorySignature(partial, u"_DMI_", matches), 0);
    partial.shortMemoryReads = false;
    partial.deviceOpen = false;
    EXPECT_EQ(FindMemorySignature(partial, u"_DMI_", matches), 0);
}

TEST(MemorySearch, PatternsThatCannotMatchAndTheVideoWindow) {
    fakes::ModelMachine machine;
    machine.AddMemory(0xC0000, std::vector<std::uint8_t>(0x10000, 'N'));
    std::vector<std::u16string> matches;
    EXPECT_EQ(FindVideoRomBanner(machine, u"", matches), 0);
    EXPECT_EQ(FindVideoRomBanner(machine, std::u16string(257, u'N'), matches), 0);
    EXPECT_EQ(FindMemorySignature(machine, u"N", matches), 0);  // the BIOS window is not served
    EXPECT_EQ(FindVideoRomBanner(machine, std::u16string(256, u'N'), matches), 256);
    EXPECT_EQ(matches.back(), u"000CFF00");
}

TEST(MemorySearch, HexToNumberReadsUpperCaseHex) {
    EXPECT_EQ(HexToNumber(u"000F0A30"), 0xF0A30u);
    EXPECT_EQ(HexToNumber(u"FFFFFFFF"), 0xFFFFFFFFu);
    EXPECT_EQ(HexToNumber(u""), 0u);
}

// An SMBIOS-style table whose first structure is BIOS information (type 0).
fakes::ModelMachine DmiMachine(std::uint32_t tableAddress, std::uint8_t majorRelease) {
    fakes::ModelMachine machine = BiosWindowMachine();
    machine.PutText(0xF0800, "_DMI_");
    machine.PutDword(0xF0808, tableAddress);
    machine.AddMemory(0x000E0000, std::vector<std::uint8_t>(0x100, 0));
    machine.PutText(0xE0001, "\x18");  // type 0, length 0x18
    machine.PutText(0xE0014, std::string(1, static_cast<char>(majorRelease)));
    return machine;
}

TEST(DmiTest, TrueOnlyWhenTheFirstStructuresMajorReleaseIs4) {
    fakes::ModelMachine release4 = DmiMachine(0xE0000, 4);
    EXPECT_TRUE(IsDmiBiosMajorRelease4(release4));
    fakes::ModelMachine release2 = DmiMachine(0xE0000, 2);
    EXPECT_FALSE(IsDmiBiosMajorRelease4(release2));
    fakes::ModelMachine noAnchor = BiosWindowMachine();
    EXPECT_FALSE(IsDmiBiosMajorRelease4(noAnchor));
}

TEST(DmiTest, AddressesBeyondTheServedMemoryGiveFalse) {
    fakes::ModelMachine unserved = DmiMachine(0x7FF00000, 4);
    EXPECT_FALSE(IsDmiBiosMajorRelease4(unserved));
    fakes::ModelMachine wrapping = DmiMachine(0xFFFFFFF0, 4);  // table + 0x14 wraps past 4 GiB
    wrapping.AddMemory(0x00000004, std::vector<std::uint8_t>{4});
    EXPECT_FALSE(IsDmiBiosMajorRelease4(wrapping));
    fakes::ModelMachine atWindowEnd = BiosWindowMachine();  // the table address field lies past the window
    atWindowEnd.PutText(0xFFFFB, "_DMI_");
    EXPECT_FALSE(IsDmiBiosMajorRelease4(atWindowEnd));
    fakes::ModelMachine closed = DmiMachine(0xE0000, 4);
    closed.deviceOpen = false;
    EXPECT_FALSE(IsDmiBiosMajorRelease4(closed));
}

}  // namespace
}  // namespace veltra
