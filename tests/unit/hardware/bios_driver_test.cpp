#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "hardware/bios_driver.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

constexpr char16_t kService[] = u"NORVA_NORVABIOS_010507";

struct BiosFixture : ::testing::Test {
    BiosFixture() {
        fake.processInfo.path = u"C:\\Veltra\\veltra.exe";
        fake.PlaceDriverFiles();
    }
    fakes::FakePlatform fake;
    DeviceHandle device = 0;
};

TEST_F(BiosFixture, LoadInstallsStartsOpensAndMarksTheDriverInUse) {
    ASSERT_TRUE(LoadBiosDriver(fake.platform, 0x1000, device));
    EXPECT_THAT(fake.journal,
                ElementsAre("OpenSCManager 0xF003F", "CreateService NORVA_NORVABIOS_010507",
                            "OpenService NORVA_NORVABIOS_010507", "StartService NORVA_NORVABIOS_010507",
                            "CloseServiceHandle", "CloseServiceHandle", "CreateFile \\\\.\\NORVA_NORVABIOS_010507",
                            "CloseServiceHandle"));
    EXPECT_EQ(fake.services.services.at(kService).definition.binaryPath, u"C:\\Veltra\\norvabios64_100507.sys");
    ASSERT_EQ(fake.devices.opens.size(), 1u);
    EXPECT_EQ(fake.devices.opens[0].access, 0xC0000000u);
    EXPECT_EQ(fake.devices.opens[0].shareMode, 1u);
    EXPECT_EQ(fake.mutexTable->names.count(u"CDriverMutex"), 1u);
}

TEST_F(BiosFixture, RemoveStopsThenDeletesWithASeparateOpenEach) {
    fake.services.AddService(kService, u"C:\\Veltra\\norvabios64_100507.sys", 3, true);
    EXPECT_TRUE(RemoveBiosDriverService(fake.services));
    EXPECT_THAT(fake.journal,
                ElementsAre("OpenSCManager 0xF003F", "OpenService NORVA_NORVABIOS_010507",
                            "ControlService stop NORVA_NORVABIOS_010507", "CloseServiceHandle",
                            "OpenService NORVA_NORVABIOS_010507", "DeleteService NORVA_NORVABIOS_010507",
                            "CloseServiceHandle", "CloseServiceHandle"));
    EXPECT_FALSE(fake.services.Exists(kService));
    fake.services.refuseManager = true;
    EXPECT_TRUE(RemoveBiosDriverService(fake.services));
}

}  // namespace
}  // namespace veltra
