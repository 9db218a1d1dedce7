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

// The controller is function 3 of a multi-function device on bus 0.
fakes::ModelMachine MachineWithSmbus(std::uint8_t status) {
    fakes::ModelMachine machine;
    machine.AddPciFunction(0, 0, 0, 0x8086, 0x1234, 0x0600);
    machine.AddPciFunction(0, 31, 0, 0x8086, 0x3A18, 0x0601);
    machine.AddPciFunction(0, 31, 3, 0x8086, 0x3A30, 0x0C05);
    machine.SetMultiFunction(0, 31);
    machine.SetPciRegister(0, 31, 3, 0x20, kBase | 1);
    machine.SetSmbus(kBase, status);
    return machine;
}

TEST(DualBios, TheTransactionIsWrittenInOrderThenDataRegisterZeroIsRead) {
    fakes::ModelMachine machine = MachineWithSmbus(0x04);
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

}  // namespace
}  // namespace veltra
