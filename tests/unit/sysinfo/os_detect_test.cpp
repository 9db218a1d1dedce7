#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "sysinfo/os_detect.h"

namespace veltra {
namespace {

constexpr char16_t kKey[] = u"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

struct OsRow {
    OsVersion version;
    const char16_t* buildLab;        // null: absent
    const char16_t* currentVersion;  // null: absent
    int code;
    const char16_t* name;
    const char16_t* catalogueCode;
    ProcessorArchitecture native = ProcessorArchitecture::Amd64;
};

const OsRow kRows[] = {
    {{3, 51, 1057, 2}, nullptr, nullptr, 8, u"Windows NT 3.51", u""},
    {{3, 50, 807, 2}, nullptr, nullptr, 0, u"", u""},
    {{4, 0, 1381, 2}, nullptr, nullptr, 16, u"Windows NT 4.0", u""},
    {{4, 0, 950, 1}, nullptr, nullptr, 1, u"Windows 95", u""},
    {{4, 10, 2222, 1}, nullptr, nullptr, 2, u"Windows 98", u""},
    {{4, 90, 3000, 1}, nullptr, nullptr, 4, u"Windows Me", u""},
    {{4, 20, 0, 1}, nullptr, nullptr, 0, u"", u""},
    {{5, 0, 2195, 2}, nullptr, nullptr, 32, u"Windows 2000", u""},
    {{5, 1, 2600, 2}, nullptr, u"5.1", 128, u"Windows XP", u"XP32"},
    {{5, 2, 3790, 2}, nullptr, u"5.2", 256, u"Windows XP 64Bit", u"XP64"},
    {{5, 1, 2600, 2}, nullptr, nullptr, 0, u"", u""},
    {{5, 3, 0, 2}, nullptr, u"5.1", 0, u"", u""},
    {{6, 0, 6002, 2}, u"6002.18005.x86fre.lh_sp2rtm.090410-1830", u"6.0", 512, u"Windows Vista 32Bit", u"V32"},
    {{6, 0, 6002, 2}, u"6002.18005.amd64fre.lh_sp2rtm.090410-1830", u"6.0", 1024, u"Windows Vista 64Bit", u"V64"},
    {{6, 0, 6002, 2}, nullptr, u"6.0", 128, u"Windows XP", u"XP32"},
    {{6, 1, 7601, 2}, u"7601.17514.amd64fre.win7sp1_rtm.101119-1850", u"6.1", 4096, u"Windows 7 64Bit", u"W764"},
    {{6, 1, 7601, 2}, u"7601.17514.x86fre.win7sp1_rtm.101119-1850", u"6.1", 2048, u"Windows 7 32Bit", u"W732"},
    {{6, 1, 7601, 2}, u"7601.17514.AMD64fre.win7sp1_rtm.101119-1850", u"6.1", 2048, u"Windows 7 32Bit", u"W732"},
    // No build label: the processor's word size decides.
    {{6, 1, 7601, 2}, nullptr, nullptr, 4096, u"Windows 7 64Bit", u"W764"},
    {{6, 1, 7601, 2}, nullptr, nullptr, 2048, u"Windows 7 32Bit", u"W732", ProcessorArchitecture::X86},
    {{6, 2, 9200, 2}, u"9200.16384.amd64fre.win8_rtm.120725-1247", u"6.2", 1024, u"Windows Vista 64Bit", u"V64"},
    {{6, 3, 9600, 2}, u"9600.x86fre", u"6.3", 512, u"Windows Vista 32Bit", u"V32"},
    {{10, 0, 19045, 2}, u"19041.amd64fre", u"6.3", 0, u"", u""},
    {{2, 0, 0, 2}, nullptr, nullptr, 0, u"", u""},
};

TEST(DetectOS, EveryRowOfTheTable) {
    for (const OsRow& row : kRows) {
        fakes::FakeRegistry registry;
        fakes::FakeSystemVersion system;
        system.version = row.version;
        system.architecture = row.native;
        if (row.buildLab) registry.SetHklm(kKey, u"BuildLabEx", row.buildLab);
        if (row.currentVersion) registry.SetHklm(kKey, u"CurrentVersion", row.currentVersion);
        const int code = DetectOS(system, registry);
        SCOPED_TRACE(testing::Message() << row.version.major << "." << row.version.minor << " code " << row.code);
        EXPECT_EQ(code, row.code);
        EXPECT_EQ(OSName(code), row.name);
        EXPECT_EQ(OSCatalogueCode(code), row.catalogueCode);
    }
}

}  // namespace
}  // namespace veltra
