#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "core/vt5_record.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_wmi.h"
#include "fakes/model_machine.h"
#include "fakes/recording_debug_sink.h"
#include "hardware/dmi.h"
#include "hardware/dual_bios.h"
#include "hardware/pci_walk.h"
#include "startup/hardware_identification.h"
#include "startup/identification_sequence.h"
#include "sysinfo/vga_card.h"
#include "sysinfo/vga_info.h"
#include "sysinfo/wmi_query.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;
using fakes::FakeWmi;

BiosDriverOutcome Identified(const std::string& vendor, const std::string& idString) {
    BiosDriverOutcome outcome;
    outcome.identified = true;
    std::memcpy(outcome.record.data() + kBiosVendorOffset, vendor.data(), vendor.size());
    std::memcpy(outcome.record.data() + kBiosIdStringOffset, idString.data(), idString.size());
    return outcome;
}

// A maker-built board with a maker-built NVIDIA card, an SMBus controller, and the
// management service's own answers.
struct DemoPc {
    fakes::FakePlatform fake;
    fakes::ModelMachine machine;
    FakeWmi wmi;
    CWmiQuery query{wmi};
    PciBus pci{machine};
    HardwareAccess hardware{pci, query};
    VT5Record vt5;

    explicit DemoPc(std::uint8_t dualBiosStatus = 0) {
        fake.processInfo.path = u"C:\\V\\veltra.exe";
        for (const char16_t* folder : {u"C:\\V\\VT5\\LOG", u"C:\\V\\VT5\\DL_INFO", u"C:\\V\\VT5\\DL_FILE", u"C:\\V\\VT5\\skin"}) {
            fake.fileSystem.AddFolder(folder);
        }
        machine.AddPciFunction(0, 2, 0, 0x10DE, 0x0640, 0x0300, kMakerSubsystemVendorId);
        machine.AddPciFunction(0, 31, 0, 0x8086, 0x3A18, 0x0601);
        machine.AddPciFunction(0, 31, 3, 0x8086, 0x3A30, 0x0C05);
        machine.SetMultiFunction(0, 31);
        machine.SetPciRegister(0, 31, 3, 0x20, 0x0401);
        machine.SetSmbus(0x0400, dualBiosStatus);
        machine.AddMemory(0xC0000, std::vector<std::uint8_t>(0x10100, 0));
        machine.PutText(0xC0040, "NORVA7700 QB.7700-1GI");
        machine.PutText(0xC0200, "Version 62.94.12.00.00 ");
        wmi.AddInstance(u"Win32_VideoController", {{u"Name", FakeWmi::Text(u" Norva QB-7700 ")},
                                                   {u"DriverVersion", FakeWmi::Text(u"8.15.10.1930")},
                                                   {u"VideoProcessor", FakeWmi::Text(u"QX 700")}});
        wmi.AddInstance(u"Win32_BIOS", {{u"Manufacturer", FakeWmi::Text(u"American Megatrends Inc.")},
                                        {u"SMBIOSBIOSVersion", FakeWmi::Text(u"V1.12")}});
        wmi.AddInstance(u"Win32_Baseboard", {{u"Product", FakeWmi::Text(u"Norva (QB-5555)")}});
    }
    IdentificationSequenceResult Run(const BiosDriverQuery& queryBiosDriver) {
        return RunIdentificationSequence(fake.platform, hardware, queryBiosDriver, vt5, u"");
    }
};

using Board = std::vector<std::u16string>;  // model, version, vendor, home model, home version

Board BoardOf(const VT5Record& vt5) {
    return {vt5.cMB_Model, vt5.cMB_BIOS_Version, vt5.cMB_BIOS_Vendor, vt5.sHomeModel, vt5.sHomeBIOSVersion};
}

TEST(IdentificationSequence, StepsAndLogLinesInTheirOrder) {
    DemoPc pc(0x08);
    pc.fake.registry.SetHklm(u"SOFTWARE\\Norva\\Veltra Series\\", u"WorkDir", u"C:\\V");
    pc.fake.registry.SetHklm(u"SOFTWARE\\Norva\\Veltra Series\\", u"AppVersion", u"5.0.3");
    fakes::ScopedDebugCapture capture;
    std::size_t linesBeforeDriver = 0;
    const auto result = pc.Run([&]() -> std::optional<BiosDriverOutcome> {
        // The dual-BIOS check ran first, the operating system just before the driver.
        EXPECT_EQ(pc.fake.messageBox.shown.size(), 1u);
        linesBeforeDriver = capture.Lines().size();
        return Identified("Norva BIOS", "A1234ABC V1.9B2 061309");
    });
    EXPECT_TRUE(result.biosDriverLoaded);
    EXPECT_EQ(linesBeforeDriver, 5u);
    EXPECT_THAT(capture.Lines(),
                ElementsAre(u"0000 :  Work path = C:\\V\\", u"0001 :  Veltra Install directory = C:\\V",
                            u"0002 :  Veltra Package version = 5.0.3", u"0003 :  NORVA LIB Version = 1.0.008 ",
                            u"0004 :  VT5.nOS = 4096\n\tVT5.sOSName = Windows 7 64Bit",
                            u"0005 :  VT5.cMB_Model = QB-1234\n\tVT5.cMB_BIOS_Version = 1.92\n\t"
                            u"VT5.cMB_BIOS_Vendor = Norva BIOS",
                            u"0006 :  ", u"0007 :  ========== Scan_PCI() ==========",
                            u"0008 :  SVGA     -> VEN_10DE&DEV_0640", u"0009 :  SMBUS    -> VEN_8086&DEV_3A30",
                            u"0010 :  NVIDIA VGA Card PCI ID = 0640"));
    EXPECT_EQ(pc.fake.messageBox.shown[0].first, kSecondBiosMessage);
    EXPECT_EQ(BoardOf(pc.vt5), (Board{u"QB-1234", u"1.92", u"Norva BIOS", u"QB-1234", u"1.92"}));
    EXPECT_THAT(pc.vt5.saPciIds, ElementsAre(u"VEN_10DE&DEV_0640", u"VEN_8086&DEV_3A30"));
    // One enumeration of bus 0 (32 probes, 7 for the multi-function device, 3 header reads)
    // and of device 0 of the 255 buses no bridge covers serves all four readers, which add
    // their own register reads: the SMBus base (1), the scan's ids (2), the card's id and
    // subsystem (2), the video BIOS vendor (1).
    EXPECT_EQ(pc.machine.pciReads, 32 + 7 + 3 + 255 + 1 + 2 + 2 + 1);
    const VGAInfo& vga = *pc.vt5.pVGA;
    // The adapter name replaces the list's name.
    EXPECT_EQ((std::vector<std::u16string>{vga.sVendor, vga.sBIOSText, vga.sModelNo, vga.sCardName, vga.sBIOSVersion,
                                           vga.sProcessor, vga.sDriverVersion}),
              (std::vector<std::u16string>{u"NVIDIA", u"QB-7700", u"7700-1GI", u"Norva QB-7700", u"62.94.12.00.00",
                                           u"QX 700", u"8.15.10.1930"}));
}

// What the BIOS driver gives decides the board, or sends it to the management service.
TEST(IdentificationSequence, TheBoardFromTheDriverOrFromTheManagementService) {
    const struct {
        std::optional<BiosDriverOutcome> outcome;
        Board board;
    } rows[] = {
        {BiosDriverOutcome{}, {u"UNKNOWN", u"UNKNOWN", u"", u"UNKNOWN", u"UNKNOWN"}},
        {Identified("Norva BIOS", "X1234ABC V1.9 061309"), {u"QB-5555", u"1.C", u"AMIBIOS", u"QB-5555", u"1.C"}},
        // a parsed model but no version also takes the management path
        {Identified("Norva BIOS", "A1234ABC"), {u"QB-5555", u"1.C", u"AMIBIOS", u"QB-5555", u"1.C"}},
    };
    for (const auto& row : rows) {
        DemoPc pc;
        fakes::ScopedDebugCapture capture;
        pc.Run([&] { return row.outcome; });
        EXPECT_EQ(BoardOf(pc.vt5), row.board);
        EXPECT_TRUE(pc.fake.messageBox.shown.empty());
        const bool logged = std::any_of(capture.Lines().begin(), capture.Lines().end(),
                                        [](const auto& line) { return line.find(u"VT5.cMB_Model") != line.npos; });
        EXPECT_EQ(logged, row.outcome->identified);
    }
}

// The example machines as their profiles' headers describe them, the server's root buses
// and the mini-PC's short table behind a 64-bit entry point included.
TEST(HardwareIdentification, EveryExampleMachineAsItsProfileSays) {
    const struct {
        const char* machine;
        std::vector<std::u16string> pciIds;
        std::u16string cardVendor;
        std::int32_t deviceId;
        std::u16string videoBios;
        bool dmiRelease4;
    } rows[] = {
        {"demo-pc",
         {u"VEN_1F3C&DEV_2A10", u"VEN_1F3C&DEV_2A22", u"VEN_1F3C&DEV_2A40", u"VEN_1E7B&DEV_5A68", u"VEN_10DE&DEV_0E9D",
          u"VEN_1F3C&DEV_2A82", u"VEN_1F3C&DEV_2A83"},
         u"NVIDIA", 0x0E9D, u"62.94.1A.00.07", false},
        {"demo-notebook",
         {u"VEN_1F3C&DEV_3C40", u"VEN_1E5A&DEV_5016", u"VEN_1002&DEV_9E70", u"VEN_1002&DEV_9E71", u"VEN_1F3C&DEV_3C60"},
         u"ATI", 0x9E70, u"022.001.002.008.000001", true},
        {"demo-workstation",
         {u"VEN_1F3C&DEV_3D17", u"VEN_1F3C&DEV_3D1B", u"VEN_1F3C&DEV_3D1F", u"VEN_1F3C&DEV_3D1E", u"VEN_1E5A&DEV_5018",
          u"VEN_1E90&DEV_2000", u"VEN_1E42&DEV_0A30"},
         u"", 0x2000, u"", false},
        {"demo-server",
         {u"VEN_1F3C&DEV_4C17", u"VEN_1F3C&DEV_4C44", u"VEN_1F3C&DEV_4C46", u"VEN_1E42&DEV_0A40", u"VEN_10DE&DEV_0EB2",
          u"VEN_10DE&DEV_0EB3", u"VEN_1E5A&DEV_5024"},
         u"NVIDIA", 0x0EB2, u"70.02.3C.00.01", false},
        {"demo-minipc", {u"VEN_8086&DEV_A7F3", u"VEN_1F3C&DEV_5C1F", u"VEN_1E5A&DEV_5030"}, u"", 0xA7F3, u"3120", true},
    };
    for (const auto& row : rows) {
        fakes::ModelMachine machine =
            fakes::ModelMachine::FromProfile(std::string(VELTRA_EXAMPLES_DIR) + "/" + row.machine + "/machine.profile");
        fakes::FakePlatform fake;
        FakeWmi wmi;
        CWmiQuery query{wmi};
        PciBus pci{machine};
        HardwareAccess hardware{pci, query};
        VT5Record vt5;
        RunHardwareIdentification(fake.platform, hardware, BiosDriverOutcome{}, vt5);
        EXPECT_EQ(vt5.saPciIds, row.pciIds) << row.machine;
        EXPECT_EQ(vt5.pVGA->sVendor, row.cardVendor) << row.machine;
        EXPECT_EQ(vt5.pVGA->nDeviceID, row.deviceId) << row.machine;
        EXPECT_EQ(vt5.pVGA->sBIOSVersion, row.videoBios) << row.machine;
        EXPECT_EQ(IsDmiBiosMajorRelease4(machine), row.dmiRelease4) << row.machine;
    }
}

}  // namespace
}  // namespace veltra
