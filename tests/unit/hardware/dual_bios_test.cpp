#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "fakes/model_machine.h"
#include "hardware/dual_bios.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;

constexpr std::uint16_t kBase = 0x0500;

fakes::ModelMachine MachineWithSmbus(std::uint32_t bus, std::uint8_t status) {
    fakes::ModelMachine machine;
    machine.AddPciFunction(0, 0, 0, 0x8086, 0x1234, 0x0600);
    machine.AddPciFunction(bus, 31, 3, 0x8086, 0x3A30, 0x0C05);
    machine.SetPciRegister(bus, 31, 3, 0x20, kBase | 1);
    machine.SetSmbus(kBase, status);
    return machine;
}

TEST(DualBios, TheTransactionIsWrittenInOrderThenDataRegisterZeroIsRead) {
    fakes::ModelMachine machine = MachineWithSmbus(0, 0x04);
    fakes::FakeClock clock;
    DualBios dualBios(machine);
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
        CheckDualBios(machine, fake.clock, fake.messageBox);
        ASSERT_EQ(fake.messageBox.shown.size(), shown ? 1u : 0u) << int{status};
        if (shown) {
            EXPECT_EQ(fake.messageBox.shown[0].first, kSecondBiosMessage);
        }
    }
}

TEST(DualBios, NoControllerOrNoUsableBaseMeansNoPortAccess) {
    fakes::FakePlatform fake;
    fakes::ModelMachine onBus17 = MachineWithSmbus(17, 0x04);
    CheckDualBios(onBus17, fake.clock, fake.messageBox);
    EXPECT_TRUE(onBus17.portWrites.empty());

    fakes::ModelMachine memoryBar = MachineWithSmbus(0, 0x04);
    memoryBar.SetPciRegister(0, 31, 3, 0x20, 0xFED00000);  // a memory-space base register
    CheckDualBios(memoryBar, fake.clock, fake.messageBox);
    EXPECT_TRUE(memoryBar.portWrites.empty());

    fakes::ModelMachine closed = MachineWithSmbus(0, 0x04);
    closed.deviceOpen = false;
    CheckDualBios(closed, fake.clock, fake.messageBox);
    EXPECT_TRUE(closed.portWrites.empty());
    EXPECT_TRUE(fake.messageBox.shown.empty());

    // The six host registers must stay below port 0x10000.
    for (const auto& [bar, base] : {std::pair{0xFFFBu, 0xFFFAu}, {0xFFFDu, 0u}}) {
        fakes::ModelMachine high = MachineWithSmbus(0, 0x04);
        high.SetPciRegister(0, 31, 3, 0x20, bar);
        DualBios highBase(high);
        highBase.GetSmbusBase();
        EXPECT_EQ(highBase.SmbusBase(), base) << bar;
    }

    std::uint32_t bus = 9, device = 9, function = 9;
    EXPECT_FALSE(DualBios(onBus17).FindSmbusController(bus, device, function));
    EXPECT_EQ(bus + device + function, 0u);
}

TEST(DualBios, TheFirstControllerInBusOrderIsUsed) {
    fakes::ModelMachine machine = MachineWithSmbus(3, 0x08);
    machine.AddPciFunction(1, 2, 5, 0x1022, 0x780B, 0x0C05);
    std::uint32_t bus = 0, device = 0, function = 0;
    EXPECT_TRUE(DualBios(machine).FindSmbusController(bus, device, function));
    EXPECT_EQ(bus, 1u);
    EXPECT_EQ(device, 2u);
    EXPECT_EQ(function, 5u);
}

}  // namespace
}  // namespace veltra
