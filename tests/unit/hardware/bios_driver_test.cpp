#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "app/startup_identification.h"
#include "app/vt5_record.h"
#include "fakes/fake_platform.h"
#include "fakes/recording_debug_sink.h"
#include "hardware/bios_driver.h"
#include "hardware/bios_startup.h"

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

TEST(BiosDriverFile, ChosenByTheOperatingSystemCode) {
    for (int code : {0x100, 0x400, 0x1000}) EXPECT_EQ(BiosDriverFileFor(code), u"norvabios64_100507.sys") << code;
    for (int code : {8, 16, 32, 64, 0x80, 0x200, 0x800}) {
        EXPECT_EQ(BiosDriverFileFor(code), u"norvabios32_100507.sys") << code;
    }
    for (int code : {0, 1, 2, 4}) EXPECT_EQ(BiosDriverFileFor(code), u"") << code;
}

TEST_F(BiosFixture, LoadInstallsStartsOpensAndMarksTheDriverInUse) {
    ASSERT_TRUE(LoadBiosDriver(fake.platform, 0x1000, device));
    EXPECT_THAT(fake.journal,
                ElementsAre("OpenSCManager 0xF003F", "CreateService NORVA_NORVABIOS_010507",
                            "OpenService NORVA_NORVABIOS_010507", "StartService NORVA_NORVABIOS_010507",
                            "CloseServiceHandle", "CloseServiceHandle", "CreateFile \\\\.\\NORVA_NORVABIOS_010507",
                            "CloseServiceHandle"));
    const ServiceDefinition& created = fake.services.services.at(kService).definition;
    EXPECT_EQ(created.binaryPath, u"C:\\Veltra\\norvabios64_100507.sys");
    EXPECT_EQ(created.displayName, kService);
    EXPECT_EQ(created.access, 0xF01FFu);
    EXPECT_EQ(created.type, 1u);
    EXPECT_EQ(created.startType, 3u);
    EXPECT_EQ(created.errorControl, 1u);
    ASSERT_EQ(fake.devices.opens.size(), 1u);
    EXPECT_EQ(fake.devices.opens[0].access, 0xC0000000u);
    EXPECT_EQ(fake.devices.opens[0].shareMode, 1u);
    EXPECT_NE(device, 0u);
    EXPECT_EQ(fake.mutexTable->names.count(u"CDriverMutex"), 1u);
    EXPECT_EQ(fake.services.OpenHandles(), 0u);
}

TEST_F(BiosFixture, SecondStartWithTheServiceRunningStillLoads) {
    fake.services.AddService(kService, u"C:\\Veltra\\norvabios32_100507.sys", 3, true);
    ASSERT_TRUE(LoadBiosDriver(fake.platform, 0x800, device));
    EXPECT_TRUE(fake.services.Running(kService));
    EXPECT_EQ(fake.devices.OpenHandles(), 1u);
}

TEST_F(BiosFixture, FailedLoadRemovesTheServiceAndTakesNoMutex) {
    fake.services.startErrors[kService] = 1275;
    EXPECT_FALSE(LoadBiosDriver(fake.platform, 0x800, device));
    EXPECT_EQ(device, 0u);
    EXPECT_FALSE(fake.services.Exists(kService));
    EXPECT_EQ(fake.mutexTable->names.count(u"CDriverMutex"), 0u);
    EXPECT_EQ(fake.services.OpenHandles(), 0u);
}

TEST_F(BiosFixture, OldSystemsHaveNoDriverFileAndDoNotLoad) {
    EXPECT_FALSE(LoadBiosDriver(fake.platform, 4, device));
    EXPECT_THAT(fake.journal, ::testing::Contains("StartService NORVA_NORVABIOS_010507"));
    EXPECT_FALSE(fake.services.Exists(kService));
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

TEST_F(BiosFixture, IdentifyBoardByMarkerOrByteCount) {
    ASSERT_TRUE(LoadBiosDriver(fake.platform, 0x1000, device));
    EXPECT_EQ(IdentifyBoard(fake.devices, 0), 0u);
    EXPECT_TRUE(fake.biosDevice.requests.empty()) << "a zero handle sends nothing";

    const std::pair<std::string, std::uint32_t> rows[] = {
        {"xx NORVA board", 1},  // the marker
        {"Z", 2},                // no marker, but the driver returned two bytes
        {"", 0},                 // a board it does not know
        {"norva", 6},            // the marker is upper case
    };
    for (const auto& [identification, expected] : rows) {
        fake.biosDevice.identification = identification;
        EXPECT_EQ(IdentifyBoard(fake.devices, device), expected) << identification;
    }
    const auto& request = fake.biosDevice.requests.back();
    EXPECT_EQ(request.code, 0x222020u);
    EXPECT_TRUE(request.input.empty());
    EXPECT_EQ(request.outputSize, 256u);

    // A full reply without a terminator is searched inside its 256 bytes only.
    fake.biosDevice.identification = std::string(300, 'Q');
    EXPECT_EQ(IdentifyBoard(fake.devices, device), 256u);
    fake.biosDevice.identification = std::string(251, 'Q') + "NORVA";
    EXPECT_EQ(IdentifyBoard(fake.devices, device), 1u);
    fake.biosDevice.identification = std::string(252, 'Q') + "NORVA";
    EXPECT_EQ(IdentifyBoard(fake.devices, device), 256u) << "a marker cut at the buffer's end";

    fake.biosDevice.failingCodes.insert(0x222020);
    EXPECT_EQ(IdentifyBoard(fake.devices, device), 0u);
}

TEST_F(BiosFixture, ReadBiosInfoSendsTheRecordWithItsStartsZeroed) {
    ASSERT_TRUE(LoadBiosDriver(fake.platform, 0x1000, device));
    fake.biosDevice.SetRecordString(1, "Vendor Q");
    fake.biosDevice.SetRecordString(2, "A1234ABC V1.9 061309");
    BiosInfoRecord record;
    record.fill(0xAA);
    ASSERT_TRUE(ReadBiosInfo(fake.devices, record, device));
    const auto& request = fake.biosDevice.requests.back();
    EXPECT_EQ(request.code, 0x222014u);
    ASSERT_EQ(request.input.size(), 1028u);
    EXPECT_EQ(request.outputSize, 1028u);
    for (std::size_t i = 0; i < 1028; ++i) {
        const bool zeroed = i == 0 || i == 256 || i == 512 || i == 768 || i >= 1024;
        EXPECT_EQ(request.input[i], zeroed ? 0x00 : 0xAA) << i;
    }
    EXPECT_EQ(record, fake.biosDevice.record);
    EXPECT_EQ(BiosInfoString(record, 1), "Vendor Q");
    EXPECT_EQ(BiosInfoString(record, 2), "A1234ABC V1.9 061309");

    record.fill(0xAA);
    fake.biosDevice.failingCodes.insert(0x222014);
    EXPECT_FALSE(ReadBiosInfo(fake.devices, record, device));
    EXPECT_EQ(BiosInfoString(record, 2), "");
}

TEST(BiosInfoString, StopsAtTheFieldEndAndRejectsOtherIndexes) {
    BiosInfoRecord record;
    record.fill('x');
    EXPECT_EQ(BiosInfoString(record, 3), std::string(256, 'x'));
    EXPECT_EQ(BiosInfoString(record, 4), "");
    EXPECT_EQ(BiosInfoString(record, -1), "");
}

// The start-up step through RunStartupIdentification, with its log lines.
struct BiosStartup : BiosFixture {
    BiosStartup() {
        fake.registry.SetHklm(u"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", u"BuildLabEx",
                              u"7601.1.amd64fre.win7sp1_rtm.000000-0000");
    }
    // The lines after "VT5.nOS = ...", without their numbers.
    std::vector<std::u16string> LinesAfterTheOperatingSystem() const {
        const auto& lines = capture.Lines();
        auto line = std::find_if(lines.begin(), lines.end(),
                                 [](const std::u16string& text) { return text.find(u"VT5.nOS = ") == 8; });
        std::vector<std::u16string> after;
        if (line == lines.end()) return after;
        for (++line; line != lines.end(); ++line) after.push_back(line->substr(8));
        return after;
    }
    fakes::ScopedDebugCapture capture;
    VT5Record vt5;
};

TEST_F(BiosStartup, LoadFailureLogsTwoLinesAndEndsTheProcessWithoutAMessage) {
    fake.services.startErrors[kService] = 1275;
    EXPECT_EQ(RunStartupIdentification(fake.platform, vt5, std::nullopt), StartupStatus::ProcessEnded);
    EXPECT_THAT(LinesAfterTheOperatingSystem(),
                ElementsAre(u"Load norvabios fail...", u"Checking driver..."));
    EXPECT_THAT(fake.processExit.exitCodes, ElementsAre(0u));
    EXPECT_TRUE(fake.messageBox.shown.empty());
    EXPECT_EQ(fake.journal.back(), "ExitProcess 0");
}

TEST_F(BiosStartup, UnknownBoardGivesUnknownModelAndVersionAndNoRecordRead) {
    EXPECT_EQ(RunStartupIdentification(fake.platform, vt5, std::nullopt), StartupStatus::Identified);
    EXPECT_EQ(vt5.cMB_Model, u"UNKNOWN");
    EXPECT_EQ(vt5.cMB_BIOS_Version, u"UNKNOWN");
    EXPECT_EQ(vt5.cMB_BIOS_Vendor, u"");
    EXPECT_TRUE(LinesAfterTheOperatingSystem().empty());
    ASSERT_EQ(fake.biosDevice.requests.size(), 1u);
    EXPECT_EQ(fake.biosDevice.requests[0].code, 0x222020u);
    EXPECT_TRUE(fake.processExit.exitCodes.empty());
    EXPECT_EQ(fake.services.services.at(kService).definition.binaryPath, u"C:\\Veltra\\norvabios64_100507.sys");
}

TEST_F(BiosStartup, KnownBoardTakesTheVendorFromTheRecordAndLogsTheThreeFields) {
    fake.biosDevice.identification = "NORVA QB-1234";
    fake.biosDevice.SetRecordString(1, "Award Software Intl.");
    const BiosDriverOutcome outcome = RunBiosDriverStep(fake.platform, 0x1000);
    EXPECT_TRUE(outcome.loaded && outcome.identified);
    EXPECT_EQ(outcome.record, fake.biosDevice.record);

    EXPECT_EQ(RunStartupIdentification(fake.platform, vt5, std::nullopt), StartupStatus::Identified);
    EXPECT_EQ(vt5.cMB_BIOS_Vendor, u"Award Software Intl.");
    EXPECT_THAT(LinesAfterTheOperatingSystem(),
                ElementsAre(u"VT5.cMB_Model = \n\tVT5.cMB_BIOS_Version = \n\tVT5.cMB_BIOS_Vendor = "
                            u"Award Software Intl."));
}

}  // namespace
}  // namespace veltra
