#include <gtest/gtest.h>

#include "fakes/fake_wmi.h"
#include "fakes/model_machine.h"
#include "hardware/pci_walk.h"
#include "hardware/vga_bios_banner.h"
#include "hardware/vga_bios_reader.h"
#include "platform/windows1252.h"
#include "sysinfo/wmi_query.h"

namespace veltra {
namespace {

struct ReaderMachine {
    fakes::ModelMachine machine;
    fakes::FakeWmi wmi;
    CWmiQuery query{wmi};
    Windows1252CodePage codePage;

    ReaderMachine() {
        machine.AddMemory(0xC0000, std::vector<std::uint8_t>(0x10100, 0));
        wmi.AddInstance(u"Win32_VideoController", {{u"Name", fakes::FakeWmi::Text(u"  Norva QB-7700 \t")}});
    }
    CVgaBiosReader Run() {
        CVgaBiosReader reader(pci, [this] { return query.GetVideoName(); }, codePage);
        reader.Run();
        return reader;
    }
    PciBus pci{machine};
};

TEST(CVgaBiosReader, EachVendorsBannerGivesItsVersion) {
    const struct {
        std::uint16_t vendor;
        const char* banner;
        const char16_t* version;
    } rows[] = {
        {0x10DE, "Version 62.94.12.00.00 ", u"62.94.12.00.00"},
        {0x8086, "SVGA BIOS Build Number: 1234 ", u"1234"},
        {0x1002, "ATOMBIOSBK-ATI VER010.068.000.003.000000", u"010.068.000.003.000000"},
        {0x1106, "Version 1.2.3 ", u""},  // another vendor is not read
    };
    for (const auto& row : rows) {
        ReaderMachine m;
        m.machine.AddPciBridge(0, 1, 0, 1, 1);
        m.machine.AddPciFunction(1, 0, 0, row.vendor, 0x0600, 0x0300);
        m.machine.PutText(0xC4410, row.banner);
        const CVgaBiosReader reader = m.Run();
        EXPECT_EQ(reader.GetVgaBiosVersion(), row.version) << row.banner;
        EXPECT_EQ(reader.GetAdapterName(), u"Norva QB-7700");
    }
}

}  // namespace
}  // namespace veltra
