#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/vt5_record.h"
#include "fakes/model_machine.h"
#include "fakes/recording_debug_sink.h"
#include "hardware/pci_walk.h"
#include "sysinfo/pci_scan.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

// A notebook of today: graphics and two HD audio functions on bus 0xC4, NVMe behind a
// bridge of a bridge, a second root bus that no bridge leads to, and functions that no
// enumeration may reach.
fakes::ModelMachine TodaysNotebook() {
    fakes::ModelMachine machine;
    machine.AddPciFunction(0, 0, 0, 0x8086, 0x2E10, 0x0600);   // host bridge: not of interest
    machine.AddPciFunction(0, 2, 0, 0x10DE, 0x0640, 0x0300);
    machine.AddPciFunction(0, 2, 1, 0x10DE, 0x0BE5, 0x0403);
    machine.SetMultiFunction(0, 2);
    machine.AddPciFunction(0, 5, 0, 0x1B21, 0x0612, 0x0180);
    machine.AddPciFunction(0, 5, 3, 0x1B21, 0x0613, 0x0101);   // function 0 not multi-function: never probed
    machine.AddPciFunction(0, 27, 0, 0x8086, 0x3A3E, 0x0403);
    machine.AddPciBridge(0, 28, 0, 0x02, 0x05);
    machine.AddPciBridge(0, 28, 4, 0xC4, 0xC4);                // found before bus 2, scanned after it
    machine.SetMultiFunction(0, 28);
    machine.AddPciBridge(0, 29, 0, 0x00, 0x00);                // unconfigured
    machine.AddPciFunction(0, 31, 0, 0x8086, 0x3A16, 0x0601);
    machine.AddPciFunction(0, 31, 2, 0x8086, 0x3A22, 0x0106);  // SATA AHCI
    machine.AddPciFunction(0, 31, 3, 0x8086, 0x3a30, 0x0C05);
    machine.SetMultiFunction(0, 31);
    machine.AddPciFunction(2, 0, 0, 0x10EC, 0x8168, 0x0200);
    machine.AddPciFunction(2, 0, 1, 0x10EC, 0x8168, 0x0200);   // a second identical port
    machine.SetMultiFunction(2, 0);
    machine.AddPciBridge(2, 1, 0, 0x03, 0x03);
    machine.AddPciFunction(3, 0, 0, 0x144D, 0xA808, 0x0108);   // NVMe
    machine.AddPciFunction(3, 1, 3, 0x197B, 0x2368, 0x0101);   // function 0 absent: never probed
    machine.AddPciFunction(0xC4, 0, 0, 0x1002, 0x1681, 0x0300);
    machine.AddPciFunction(0xC4, 0, 1, 0x1002, 0x1640, 0x0403);
    machine.AddPciFunction(0xC4, 0, 6, 0x1022, 0x15E3, 0x0403);
    machine.SetMultiFunction(0xC4, 0);
    machine.AddPciBridge(0xC4, 1, 0, 0x04, 0x04);              // leads backwards: ignored
    machine.AddPciFunction(4, 0, 0, 0x1103, 0x2340, 0x0104);   // behind 00:1c.0, reached by no bridge
    machine.AddPciFunction(0x11, 0, 0, 0x1AF4, 0x1041, 0x0200);  // a root bus: no bridge covers it
    machine.AddPciBridge(0x11, 2, 0, 0x12, 0x12);
    machine.AddPciFunction(0x12, 0, 0, 0x1E42, 0x0A50, 0x0106);
    machine.AddPciFunction(0x20, 3, 0, 0x1AF4, 0x1042, 0x0101);  // a root bus without device 0: out of reach
    return machine;
}

TEST(ScanPci, FollowsTheBridgesAndListsDevicesOfInterestInOrderOncePerId) {
    fakes::ModelMachine machine = TodaysNotebook();
    fakes::ScopedDebugCapture capture;
    VT5Record vt5;
    PciBus pci(machine);
    Scan_PCI(pci, vt5);
    EXPECT_THAT(vt5.saPciIds,
                ElementsAre(u"VEN_10DE&DEV_0640", u"VEN_10DE&DEV_0BE5", u"VEN_1B21&DEV_0612", u"VEN_8086&DEV_3A3E",
                            u"VEN_8086&DEV_3A22", u"VEN_8086&DEV_3A30", u"VEN_10EC&DEV_8168", u"VEN_144D&DEV_A808",
                            u"VEN_1AF4&DEV_1041", u"VEN_1E42&DEV_0A50", u"VEN_1002&DEV_1681", u"VEN_1002&DEV_1640", u"VEN_1022&DEV_15E3"));
    EXPECT_THAT(capture.Lines(), ElementsAre(u"0000 :  ", u"0001 :  ========== Scan_PCI() ==========",
                                             u"0002 :  SVGA     -> VEN_10DE&DEV_0640",
                                             u"0003 :  HD audio -> VEN_10DE&DEV_0BE5",
                                             u"0004 :  Silicon  -> VEN_1B21&DEV_0612",
                                             u"0005 :  HD audio -> VEN_8086&DEV_3A3E",
                                             u"0006 :  SATA     -> VEN_8086&DEV_3A22",
                                             u"0007 :  SMBUS    -> VEN_8086&DEV_3A30",
                                             u"0008 :  NetWork  -> VEN_10EC&DEV_8168",
                                             u"0009 :  NetWork  -> VEN_10EC&DEV_8168",
                                             u"0010 :  NVMe     -> VEN_144D&DEV_A808",
                                             u"0011 :  NetWork  -> VEN_1AF4&DEV_1041",
                                             u"0012 :  SATA     -> VEN_1E42&DEV_0A50",
                                             u"0013 :  SVGA     -> VEN_1002&DEV_1681",
                                             u"0014 :  HD audio -> VEN_1002&DEV_1640",
                                             u"0015 :  HD audio -> VEN_1022&DEV_15E3"));
    // Buses 0, 2, 3, 0x11, 0x12 and 0xC4: 32 probes each, 7 more for each of the 5
    // multi-function devices; device 0 of the 248 buses that no bridge covers or leads to;
    // a header read per present function (22), a bus-number read per bridge (6), an id
    // read per function of interest (14).
    EXPECT_EQ(machine.pciReads, 6 * 32 + 5 * 7 + 248 + 22 + 6 + 14);
}

}  // namespace
}  // namespace veltra
