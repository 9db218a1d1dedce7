#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "fakes/model_machine.h"
#include "hardware/dual_bios.h"
#include "hardware/pci_walk.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;

constexpr std::uint16_t kBase = 0x0500;

// The controller is function 3 of a multi-function device; a bus above 0 is reached through
// a bridge unless `bridged` is false.
fakes::ModelMachine MachineWithSmbus(std::uint8_t bus, std::uint8_t status, bool bridged = true) {
    fakes::ModelMachine machine;
    machine.AddPciFunction(0, 0, 0, 0x8086, 0x1234, 0x0600);
    if (bus != 0 && bridged) machine.AddPciBridge(0, 1, 0, bus, bus);
    machine.AddPciFunction(bus, 31, 0, 0x8086, 0x3A18, 0x0601);
    machine.AddPciFunction(bus, 31, 3, 0x8086, 0x3A30, 0x0C05);
    machine.SetMultiFunction(bus, 31);
    machine.SetPciRegister(bus, 31, 3, 0x20, kBase | 1);
    machine.SetSmbus(kBase, status);
    return machine;
}

TEST(DualBios, TheTransactionIsWrittenInOrderThenDataRegisterZeroIsRead) {
    fakes::ModelMachine machine = MachineWithSmbus(0, 0x04);
    fakes::FakeClock clock;
    PciBus pci(machine);
    DualBios dualBios(pci);
    dualBios.GetSmbusBase();
    EXPECT_EQ(dualBios.SmbusBase(), kBase);
    EXPECT_EQ(dualBios.ReadStatus(clock), 0x04);
    EXPECT_THAT(machine.portWrites, ElementsAre(Pair(kBase + 0, 0xFF), Pair(kBase + 3, 0x02), Pair(kBase + 4, 0x97),
                                                Pair(kBase + 5, 0x00), Pair(kBase + 2, 0x48)));
    EXPECT_THAT(machine.portReads, ElementsAre(kBase + 5));
    EXPECT_EQ(clock.slept, 10u);
}

TEST(DualBios, OnlyBits2And3ShowTheMessageOnce) {
    for (const auto& [status, shown] : std::vector<std::pair<std::uint8_t, bool>>{
             {0x04, true}, {0x08, true}, {0x0C, true}, {0xFF, true}, {0x01, false}, {0x02, false}, {0x10, false},
             {0x00, false}}) {
        fakes::ModelMachine machine = MachineWithSmbus(2, status);
        fakes::FakePlatform fake;
        PciBus pci(machine);
        CheckDualBios(pci, fake.clock, fake.messageBox);
        ASSERT_EQ(fake.messageBox.shown.size(), shown ? 1u : 0u) << int{status};
        if (shown) {
            EXPECT_EQ(fake.messageBox.shown[0].first, kSecondBiosMessage);
        }
    }
}

TEST(DualBios, NoControllerOrNoUsableBaseMeansNoPortAccess) {
    fakes::FakePlatform fake;
    fakes::ModelMachine unbridged = MachineWithSmbus(2, 0x04, false);
    PciBus unbridgedBus(unbridged);
    CheckDualBios(unbridgedBus, fake.clock, fake.messageBox);
    EXPECT_TRUE(unbridged.portWrites.empty());

    fakes::ModelMachine memoryBar = MachineWithSmbus(0, 0x04);
    memoryBar.SetPciRegister(0, 31, 3, 0x20, 0xFED00000);  // a memory-space base register
    PciBus memoryBarBus(memoryBar);
    CheckDualBios(memoryBarBus, fake.clock, fake.messageBox);
    EXPECT_TRUE(memoryBar.portWrites.empty());

    EXPECT_TRUE(fake.messageBox.shown.empty());

    // The six host registers must stay below port 0x10000.
    for (const auto& [bar, base] : {std::pair{0xFFFBu, 0xFFFAu}, {0xFFFDu, 0u}}) {
        fakes::ModelMachine high = MachineWithSmbus(0, 0x04);
        high.SetPciRegister(0, 31, 3, 0x20, bar);
        PciBus highBus(high);
        DualBios highBase(highBus);
        highBase.GetSmbusBase();
        EXPECT_EQ(highBase.SmbusBase(), base) << bar;
    }
}

}  // namespace
}  // namespace veltra
