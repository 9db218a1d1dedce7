#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/vt5_record.h"
#include "fakes/model_machine.h"
#include "fakes/recording_debug_sink.h"
#include "sysinfo/pci_scan.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

TEST(ScanPci, DevicesOfInterestInOrderOncePerIdLoggedPerFunction) {
    fakes::ModelMachine machine;
    machine.AddPciFunction(0, 0, 0, 0x8086, 0x2E10, 0x0600);   // host bridge: not of interest
    machine.AddPciFunction(0, 2, 0, 0x10DE, 0x0640, 0x0300);
    machine.AddPciFunction(0, 2, 1, 0x10DE, 0x0BE5, 0x0403);
    machine.AddPciFunction(0, 27, 0, 0x8086, 0x3A3E, 0x0403);
    machine.AddPciFunction(0, 31, 2, 0x8086, 0x3A22, 0x0106);  // AHCI: not in the table
    machine.AddPciFunction(0, 31, 3, 0x8086, 0x3a30, 0x0C05);
    machine.AddPciFunction(1, 0, 0, 0x1102, 0x0007, 0x0380);   // not VGA-compatible
    machine.AddPciFunction(2, 0, 0, 0x10EC, 0x8168, 0x0200);
    machine.AddPciFunction(2, 0, 1, 0x10EC, 0x8168, 0x0200);   // a second identical port
    machine.AddPciFunction(3, 0, 3, 0x197B, 0x2368, 0x0101);   // only function 3 of its device
    machine.AddPciFunction(4, 0, 0, 0x1095, 0x3132, 0x0180);
    machine.AddPciFunction(5, 9, 0, 0x1103, 0x2340, 0x0104);
    machine.AddPciFunction(16, 31, 7, 0x1AF4, 0x1000, 0x0200); // the last bus scanned
    machine.AddPciFunction(17, 0, 0, 0x1AF4, 0x1041, 0x0200);  // beyond it
    fakes::ScopedDebugCapture capture;
    VT5Record vt5;
    Scan_PCI(machine, vt5);
    EXPECT_THAT(vt5.saPciIds,
                ElementsAre(u"VEN_10DE&DEV_0640", u"VEN_10DE&DEV_0BE5", u"VEN_8086&DEV_3A3E", u"VEN_8086&DEV_3A30",
                            u"VEN_10EC&DEV_8168", u"VEN_197B&DEV_2368", u"VEN_1095&DEV_3132", u"VEN_1103&DEV_2340",
                            u"VEN_1AF4&DEV_1000"));
    EXPECT_THAT(capture.Lines(), ElementsAre(u"0000 :  ", u"0001 :  ========== Scan_PCI() ==========",
                                             u"0002 :  SVGA     -> VEN_10DE&DEV_0640",
                                             u"0003 :  HD audio -> VEN_10DE&DEV_0BE5",
                                             u"0004 :  HD audio -> VEN_8086&DEV_3A3E",
                                             u"0005 :  SMBUS    -> VEN_8086&DEV_3A30",
                                             u"0006 :  NetWork  -> VEN_10EC&DEV_8168",
                                             u"0007 :  NetWork  -> VEN_10EC&DEV_8168",
                                             u"0008 :  IDE      -> VEN_197B&DEV_2368",
                                             u"0009 :  Silicon  -> VEN_1095&DEV_3132",
                                             u"0010 :  RAID     -> VEN_1103&DEV_2340",
                                             u"0011 :  NetWork  -> VEN_1AF4&DEV_1000"));
    // Every function of buses 0 to 16 is probed once, plus one id read per device of interest.
    EXPECT_EQ(machine.pciReads, 17 * 32 * 8 + 10);
}

TEST(ScanPci, AClosedDriverFindsNothing) {
    fakes::ModelMachine machine;
    machine.AddPciFunction(0, 2, 0, 0x10DE, 0x0640, 0x0300);
    machine.deviceOpen = false;
    VT5Record vt5;
    Scan_PCI(machine, vt5);
    EXPECT_TRUE(vt5.saPciIds.empty());
}

TEST(ScanPci, AddPciIdSkipsIdsAlreadyContained) {
    std::vector<std::u16string> ids{u"VEN_8086&DEV_3A30"};
    AddPciId(ids, u"VEN_8086&DEV_3A30");
    AddPciId(ids, u"DEV_3A30");
    AddPciId(ids, u"VEN_8086&DEV_3A3");
    AddPciId(ids, u"VEN_8086&DEV_3A31");
    EXPECT_THAT(ids, ElementsAre(u"VEN_8086&DEV_3A30", u"VEN_8086&DEV_3A31"));
    EXPECT_EQ(PciIdText(0xABCD1234u), u"VEN_1234&DEV_ABCD");
}

}  // namespace
}  // namespace veltra
