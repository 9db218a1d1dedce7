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

TEST(IdentifyVgaCard, TheLastDisplayFunctionDecides) {
    CardMachine m;
    m.machine.AddPciFunction(0, 2, 0, 0x10DE, 0x0640, 0x0300, kMakerSubsystemVendorId);
    m.machine.AddPciBridge(0, 28, 0, 0xC4, 0xC4);
    m.machine.AddPciFunction(0xC4, 0, 0, 0x1002, 0x9440, 0x0300, 0x1043);
    m.machine.AddPciFunction(0xC5, 0, 0, 0x10DE, 0x0641, 0x0300, kMakerSubsystemVendorId);  // no bridge leads here
    m.machine.PutText(0xC0080, "NORVA BIOS for QB.X1 cards");
    m.Identify();
    // Not maker-built: the ROM text stays.
    EXPECT_EQ(m.Texts(), (Texts{u"UNKNOWN", u"NORVA BIOS for QB.X1 cards", u"X1"}));
    EXPECT_EQ(m.Numbers(), (Numbers{0x9440, 0, 0}));
}

TEST(IdentifyVgaCard, AShortRomTextOfAMakerCardIsCutSafely) {
    CardMachine m;
    m.machine.AddPciFunction(0, 2, 0, 0x1002, 0x9440, 0x0300, kMakerSubsystemVendorId);
    m.machine.PutText(0xC0080, "NORVA12");
    m.Identify();
    EXPECT_EQ(m.vt5.pVGA->sBIOSText, u"QB-12");

    CardMachine edge;  // the banner ends a block whose next 256 bytes are not served
    edge.machine.AddPciFunction(0, 2, 0, 0x1002, 0x9440, 0x0300, kMakerSubsystemVendorId);
    edge.machine.AddMemory(0xC0000, std::vector<std::uint8_t>(0x10000, 0));
    edge.machine.PutText(0xCFFFB, "NORVA");
    edge.Identify();
    EXPECT_EQ(edge.Texts(), (Texts{u"", u"", u""}));
}

std::vector<unsigned char> CardRecord(const std::string& id, const std::string& name) {
    std::vector<unsigned char> record(kVgaCardRecordBytes, 0xEE);  // bytes 0 to 47 are not read
    std::memset(record.data() + kVgaCardIdOffset, 0, kVgaCardIdBytes + kVgaCardNameBytes);
    std::memcpy(record.data() + kVgaCardIdOffset, id.data(), std::min<std::size_t>(id.size(), kVgaCardIdBytes));
    std::memcpy(record.data() + kVgaCardNameOffset, name.data(), std::min<std::size_t>(name.size(), kVgaCardNameBytes));
    return record;
}

struct ListFixture {
    fakes::FakeFileSystem fileSystem;
    fakes::FakeWmi wmi;
    CWmiQuery query{wmi};
    Windows1252CodePage codePage;
    VT5Record vt5;

    explicit ListFixture(std::int32_t deviceId) {
        fileSystem.AddFolder(u"C:\\V\\VT5\\DL_INFO");
        vt5.sWorkPath = u"C:\\V\\";
        vt5.pVGA = std::make_shared<VGAInfo>();
        vt5.pVGA->nDeviceID = deviceId;
        wmi.AddInstance(u"Win32_VideoController", {{u"DriverVersion", fakes::FakeWmi::Text(u"8.15.10.1930")},
                                                   {u"VideoProcessor", fakes::FakeWmi::Text(u"QX 700")}});
    }
    void List(std::vector<std::vector<unsigned char>> records, std::size_t extraBytes = 0) {
        std::vector<unsigned char> bytes;
        for (const auto& record : records) bytes.insert(bytes.end(), record.begin(), record.end());
        bytes.insert(bytes.end(), extraBytes, 'x');
        fileSystem.AddFile(kListPath, bytes);
    }
    void Lookup() { LookupVgaCardList(fileSystem, query, codePage, vt5); }
};

TEST(LookupVgaCardList, TheLastRecordContainingTheKeyNamesTheCard) {
    ListFixture f(0x05E2);
    f.List({CardRecord("05e2", "Norva QB-7700 first"), CardRecord("0640", "Other card"),
            CardRecord("15e2", "Norva QB-7700 last \xE9"), CardRecord("05E3", "Near miss")});
    f.Lookup();
    EXPECT_EQ(f.vt5.pVGA->sCardName, u"Norva QB-7700 last \u00E9");
    EXPECT_EQ(f.vt5.pVGA->sProcessor, u"QX 700");
    EXPECT_EQ(f.vt5.pVGA->sDriverVersion, u"8.15.10.1930");
}

TEST(LookupVgaCardList, MissingCardsFilesAndOddSizes) {
    ListFixture absent(0x9440);
    absent.List({CardRecord("0640", "Other card")});
    absent.Lookup();
    EXPECT_EQ(absent.vt5.pVGA->sCardName, u"");

    // A trailing partial record is not read, even when its id would match.
    ListFixture odd(0x9440);
    std::vector<unsigned char> partial = CardRecord("9440", "Partial");
    odd.List({CardRecord("9440", "Whole"), std::vector<unsigned char>(partial.begin(), partial.end() - 1)});
    odd.Lookup();
    EXPECT_EQ(odd.vt5.pVGA->sCardName, u"Whole");

    // Id and name fields without terminators stay inside their fields.
    ListFixture full(0x9440);
    full.List({CardRecord("ABCD9440EF", std::string(82, 'N'))}, 3);
    full.Lookup();
    EXPECT_EQ(full.vt5.pVGA->sCardName, std::u16string(82, u'N'));
}

}  // namespace
}  // namespace veltra
