#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "core/vt5_record.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_wmi.h"
#include "fakes/model_machine.h"
#include "fakes/recording_debug_sink.h"
#include "hardware/pci_walk.h"
#include "platform/windows1252.h"
#include "sysinfo/vga_card.h"
#include "sysinfo/vga_info.h"
#include "sysinfo/wmi_query.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

constexpr char16_t kListPath[] = u"C:\\V\\VT5\\DL_INFO\\VGACardList.rec";

struct CardMachine {
    fakes::ModelMachine machine;
    Windows1252CodePage codePage;
    VT5Record vt5;

    CardMachine() { machine.AddMemory(0xC0000, std::vector<std::uint8_t>(0x10100, 0)); }
    void Identify() {
        PciBus pci(machine);
        IdentifyVgaCard(pci, codePage, vt5);
    }
    // Vendor, ROM text and model number; device id, maker-built flag and chip vendor.
    std::vector<std::u16string> Texts() const { return {vt5.pVGA->sVendor, vt5.pVGA->sBIOSText, vt5.pVGA->sModelNo}; }
    std::vector<int> Numbers() const { return {vt5.pVGA->nDeviceID, vt5.bMakerCard, vt5.nChipVendor}; }
};

using Texts = std::vector<std::u16string>;
using Numbers = std::vector<int>;

TEST(IdentifyVgaCard, AMakerBuiltCardOfEitherChipVendor) {
    for (const auto& [vendor, vendorText, logLine] :
         std::vector<std::tuple<std::uint16_t, const char16_t*, const char16_t*>>{
             {0x10DE, u"NVIDIA", u"0000 :  NVIDIA VGA Card PCI ID = 05e2"},
             {0x1002, u"ATI", u"0000 :  ATI VGA Card PCI ID = 05e2"}}) {
        CardMachine m;
        m.machine.AddPciBridge(0, 1, 0, 1, 1);
        m.machine.AddPciFunction(1, 0, 0, vendor, 0x05E2, 0x0300, kMakerSubsystemVendorId);
        m.machine.PutText(0xC0080, "NORVA7700 QB.7700-1GI Graphics");
        fakes::ScopedDebugCapture capture;
        m.Identify();
        ASSERT_NE(m.vt5.pVGA, nullptr);
        EXPECT_EQ(m.Texts(), (Texts{vendorText, u"QB-7700", u"7700-1GI"}));
        EXPECT_EQ(m.Numbers(), (Numbers{0x05E2, 1, vendor}));
        EXPECT_EQ(m.vt5.pVGA->sBIOSVersion, u"");
        EXPECT_THAT(capture.Lines(), ElementsAre(logLine));
    }
}

std::vector<unsigned char> CardRecord(const std::string& id, const std::string& name) {
    std::vector<unsigned char> record(kVgaCardRecordBytes, 0xEE);  // bytes 0 to 47 are not read
    std::memset(record.data() + kVgaCardIdOffset, 0, kVgaCardIdBytes + kVgaCardNameBytes);
    std::memcpy(record.data() + kVgaCardIdOffset, id.data(), std::min<std::size_t>(id.size(), kVgaCardIdBytes));
    std::memcpy(record.data() + kVgaCardNameOffset, name.data(), std::min<std::size_t>(name.size(), kVgaCardNameBytes));
    return record;
}

TEST(LookupVgaCardList, TheLastRecordContainingTheKeyNamesTheCard) {
    fakes::FakeFileSystem fileSystem;
    fileSystem.AddFolder(u"C:\\V\\VT5\\DL_INFO");
    std::vector<unsigned char> list;
    for (const auto& record : {CardRecord("05e2", "Norva QB-7700 first"), CardRecord("0640", "Other card"),
                               CardRecord("15e2", "Norva QB-7700 last \xE9"), CardRecord("05E3", "Near miss")})
        list.insert(list.end(), record.begin(), record.end());
    fileSystem.AddFile(kListPath, list);
    fakes::FakeWmi wmi;
    wmi.AddInstance(u"Win32_VideoController", {{u"DriverVersion", fakes::FakeWmi::Text(u"8.15.10.1930")},
                                               {u"VideoProcessor", fakes::FakeWmi::Text(u"QX 700")}});
    CWmiQuery query{wmi};
    Windows1252CodePage codePage;
    VT5Record vt5;
    vt5.sWorkPath = u"C:\\V\\";
    vt5.pVGA = std::make_shared<VGAInfo>();
    vt5.pVGA->nDeviceID = 0x05E2;
    LookupVgaCardList(fileSystem, query, codePage, vt5);
    EXPECT_EQ(vt5.pVGA->sCardName, u"Norva QB-7700 last \u00E9");
    EXPECT_EQ(vt5.pVGA->sProcessor, u"QX 700");
    EXPECT_EQ(vt5.pVGA->sDriverVersion, u"8.15.10.1930");
}

}  // namespace
}  // namespace veltra
