#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "fakes/fake_platform.h"
#include "hardware/porvik_driver.h"
#include "hardware/porvik_startup.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;
using Shown = std::pair<std::u16string, std::u16string>;

constexpr char16_t kService[] = u"Porvik_1_0_4";

// The executable in C:\Veltra with both driver files beside it.
struct PorvikFixture : ::testing::Test {
    PorvikFixture() { Place(fake); }
    static void Place(fakes::FakePlatform& machine, const char16_t* executable = u"C:\\Veltra\\veltra.exe") {
        machine.processInfo.path = executable;
        machine.PlaceDriverFiles();
    }
    fakes::FakePlatform fake;
};

// One open attempt that finds no device: remove, install and open again.
const std::vector<std::string> kInstallAttempt = {
    "CreateFile \\\\.\\Porvik_1_0_4",
    "OpenSCManager 0xF003F", "OpenService Porvik_1_0_4", "CloseServiceHandle",
    "OpenSCManager 0xF003F", "CreateService Porvik_1_0_4", "CloseServiceHandle", "OpenService Porvik_1_0_4",
    "StartService Porvik_1_0_4", "CloseServiceHandle", "CloseServiceHandle",
    "CreateFile \\\\.\\Porvik_1_0_4",
};

TEST_F(PorvikFixture, FirstStartInstallsTheServiceForTheNativeArchitectureInOrder) {
    const std::pair<ProcessorArchitecture, std::u16string> rows[] = {
        {ProcessorArchitecture::Amd64, u"C:\\Veltra\\Porvik_X64.sys"},
        {ProcessorArchitecture::X86, u"C:\\Veltra\\Porvik.sys"},
    };
    for (const auto& [architecture, path] : rows) {
        fakes::FakePlatform machine;
        Place(machine);
        machine.systemVersion.architecture = architecture;
        CPorvikDriver driver(machine.platform);
        ASSERT_EQ(driver.Initialize(), kPorvikOk);
        EXPECT_EQ(driver.DriverPath(), path);
        EXPECT_EQ(machine.journal, kInstallAttempt);
        const ServiceDefinition& created = machine.services.services.at(kService).definition;
        EXPECT_EQ(created.binaryPath, path);
        // All access, a kernel driver, started on demand, normal error control.
        EXPECT_EQ((std::vector<std::uint32_t>{created.access, created.type, created.startType, created.errorControl}),
                  (std::vector<std::uint32_t>{0xF01FF, 1, 3, 1}));
        EXPECT_EQ(machine.services.OpenHandles(), 0u);
        ASSERT_EQ(machine.devices.opens.size(), 2u);
        EXPECT_EQ(std::pair(machine.devices.opens[1].access, machine.devices.opens[1].shareMode),
                  std::pair(0xC0000000u, 0u));
        EXPECT_TRUE(driver.Initialised());
    }
}

// A running demand service is opened at once; an automatic one is left in place, and its
// existing entry (1073) and running state (1056) are not errors.
TEST_F(PorvikFixture, AnExistingServiceIsOpenedKeptOrReplaced) {
    const struct {
        std::uint32_t startType;
        std::vector<std::string> journal;
    } rows[] = {
        {3, {"CreateFile \\\\.\\Porvik_1_0_4"}},
        {2, {"CreateFile \\\\.\\Porvik_1_0_4", "OpenSCManager 0xF003F", "OpenService Porvik_1_0_4",
                   "QueryServiceConfig Porvik_1_0_4", "CloseServiceHandle", "CloseServiceHandle",
                   "OpenSCManager 0xF003F", "CreateService Porvik_1_0_4", "OpenService Porvik_1_0_4",
                   "StartService Porvik_1_0_4", "CloseServiceHandle", "CloseServiceHandle",
                   "CreateFile \\\\.\\Porvik_1_0_4"}},
    };
    for (const auto& row : rows) {
        fakes::FakePlatform machine;
        Place(machine);
        machine.services.AddService(kService, u"D:\\Old\\Porvik_X64.sys", row.startType, true);
        machine.devices.busyOpens = row.startType == 2 ? 1 : 0;
        CPorvikDriver driver(machine.platform);
        ASSERT_EQ(driver.Initialize(), kPorvikOk);
        EXPECT_EQ(machine.journal, row.journal);
        EXPECT_TRUE(machine.services.Exists(kService));
    }
}

// The service goes with the last client, unless it starts with the system; the device is
// closed either way and no request follows.
TEST_F(PorvikFixture, ReleaseRemovesTheServiceOnlyForTheLastClientOfADemandStart) {
    const struct {
        bool automatic;  // installed before to start with the system; else the program installs it
        bool otherClient;
    } rows[] = {{false, false}, {false, true}, {true, false}};
    for (const auto& row : rows) {
        fakes::FakePlatform machine;
        Place(machine);
        if (row.automatic) machine.services.AddService(kService, u"C:\\Veltra\\Porvik_X64.sys", 2, true);
        const std::unique_ptr<CPorvikDriver> driver = CreatePorvikDriver(machine.platform, machine.messageBox);
        ASSERT_NE(driver, nullptr);
        if (row.otherClient) machine.devices.Open(u"\\\\.\\Porvik_1_0_4", 0xC0000000, 0);
        driver->Release();
        EXPECT_EQ(machine.services.Exists(kService), row.otherClient || row.automatic);
        EXPECT_EQ(machine.devices.OpenHandles(), row.otherClient ? 1u : 0u);
        const std::size_t sent = machine.porvikDevice.requests.size();
        EXPECT_EQ(driver->ReadPortByte(0x80), 0u);
        EXPECT_EQ(machine.porvikDevice.requests.size(), sent);
    }
}

TEST_F(PorvikFixture, NetworkLocationsAreNeverLoaded) {
    for (const char16_t* executable : {u"\\\\server\\share\\veltra.exe", u"z:\\Veltra\\veltra.exe"}) {
        fakes::FakePlatform remote;
        remote.fileSystem.driveTypes[u'Z'] = kDriveRemote;
        Place(remote, executable);
        CPorvikDriver driver(remote.platform);
        EXPECT_EQ(driver.Initialize(), kPorvikNotLoaded) << std::string(executable, executable + 5);
        EXPECT_THAT(remote.journal, ElementsAre("Sleep 0", "Sleep 100", "Sleep 200", "Sleep 300"));
        EXPECT_TRUE(remote.services.services.empty());
    }
}

TEST_F(PorvikFixture, RefusedStartIsUndoneOnEveryAttempt) {
    fake.services.startErrors[kService] = 1275;  // the system refuses to load the driver
    CPorvikDriver driver(fake.platform);
    EXPECT_EQ(driver.Initialize(), kPorvikNotLoaded);
    std::vector<std::string> expected;
    for (const char* wait : {"Sleep 0", "Sleep 100", "Sleep 200", "Sleep 300"}) {
        expected.insert(expected.end(), kInstallAttempt.begin(), kInstallAttempt.end() - 1);
        expected.insert(expected.end(), {"OpenSCManager 0xF003F", "OpenService Porvik_1_0_4",
                                         "QueryServiceConfig Porvik_1_0_4", "ControlService stop Porvik_1_0_4",
                                         "DeleteService Porvik_1_0_4", "CloseServiceHandle", "CloseServiceHandle",
                                         wait});
    }
    EXPECT_EQ(fake.journal, expected);
    EXPECT_FALSE(fake.services.Exists(kService));
    EXPECT_EQ(fake.services.OpenHandles(), 0u);
    EXPECT_FALSE(driver.Initialised());
}

// A missing file is tried four times with growing waits; a zero device handle at once.
TEST_F(PorvikFixture, AFailedStartTellsTheUserAndEndsTheProcess) {
    fakes::FakePlatform bare;
    bare.processInfo.path = u"C:\\Veltra\\veltra.exe";
    EXPECT_EQ(CreatePorvikDriver(bare.platform, bare.messageBox), nullptr);
    EXPECT_THAT(bare.journal, ElementsAre("Sleep 0", "Sleep 100", "Sleep 200", "Sleep 300", "ExitProcess 0"));
    EXPECT_THAT(bare.messageBox.shown, ElementsAre(Shown(u"Driver can't Load !", u"Veltra 5")));
    EXPECT_THAT(bare.processExit.exitCodes, ElementsAre(0u));

    fake.devices.openGivesNullHandle = true;
    EXPECT_EQ(CreatePorvikDriver(fake.platform, fake.messageBox), nullptr);
    EXPECT_THAT(fake.messageBox.shown, ElementsAre(Shown(u"Driver Handle Can't Load!!", u"Veltra 5")));
    EXPECT_THAT(fake.processExit.exitCodes, ElementsAre(0u));
    EXPECT_EQ(fake.devices.OpenHandles(), 0u);
}

struct PorvikRequests : PorvikFixture {
    PorvikRequests() {
        driver = CreatePorvikDriver(fake.platform, fake.messageBox);
        fake.porvikDevice.requests.clear();
        fake.machine.AddMemory(0xF0100, Bytes(256, 0x5A));
        fake.machine.AddPciFunction(1, 31, 1, 0x1F3C, 0x5A01, 0x0C05);
        fake.machine.SetPciRegister(1, 31, 1, 0x10, 0xFEDC0004);
        fake.machine.SetSmbus(0x1200, 0);
    }
    std::unique_ptr<CPorvikDriver> driver;
};

// Each request's code, packed input and output size; its answer; and what a failed or
// short reply gives instead (a short reply of `shortBytes` is no value).
TEST_F(PorvikRequests, EachRequestsLayoutAnswerAndFailureValue) {
    Bytes memory(256);
    const struct Row {
        const char* name;
        std::function<std::uint64_t()> call;
        std::uint32_t code;
        Bytes input;
        std::size_t outputSize;
        std::uint64_t answer;
        std::uint64_t failed;
        std::uint32_t shortBytes;
    } rows[] = {
        {"memory", [&] { return driver->ReadMemory(0xF0100, 1, 256, memory.data()); }, 0xC3506104,
         {0x00, 0x01, 0x0F, 0x00, 0, 0, 0, 0, 0x01, 0, 0, 0, 0x00, 0x01, 0, 0}, 256, 256, 0, 255},
        // device 0x3F masks to 31, function 9 to 1
        {"pci", [&] { return driver->ReadPciConfigDword(1, 0x3F, 9, 0x10); }, 0xC3506144,
         {0xF9, 0x01, 0, 0, 0x10, 0, 0, 0}, 4, 0xFEDC0004, 0xFFFFFFFF, 2},
        {"write port", [&] { return driver->WritePortByte(0x1204, 0xAB), 0; }, 0xC350A0D8,
         {0x04, 0x12, 0, 0, 0xAB}, 0, 0, 0, 0},
        {"read port", [&] { return driver->ReadPortByte(0x1204); }, 0xC35060CC, {0x04, 0x12}, 2, 0xAB, 0, 0},
        {"open count", [&] { return driver->QueryOpenCount().value_or(99); }, 0xC3502004, {}, 4, 1, 99, 3},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.call(), row.answer);
        const auto& request = fake.porvikDevice.requests.back();
        EXPECT_EQ(request.code, row.code);
        EXPECT_EQ(request.input, row.input);
        EXPECT_EQ(request.outputSize, row.outputSize);
        if (row.outputSize == 0) continue;
        fake.porvikDevice.shortReplyBytes = row.shortBytes;
        EXPECT_EQ(row.call(), row.failed);
        fake.porvikDevice.shortReplyBytes.reset();
        fake.porvikDevice.failingCodes.insert(row.code);
        EXPECT_EQ(row.call(), row.failed);
        fake.porvikDevice.failingCodes.clear();
    }
    EXPECT_EQ(memory, Bytes(256, 0x5A));
    // Sizes the request cannot carry (4 GiB) or no buffer send nothing.
    const std::size_t sent = fake.porvikDevice.requests.size();
    std::uint8_t byte = 0;
    EXPECT_EQ(driver->ReadMemory(0, 0x10000, 0x10000, &byte), 0u);
    EXPECT_EQ(driver->ReadMemory(0, 1, 1, nullptr), 0u);
    EXPECT_EQ(fake.porvikDevice.requests.size(), sent);
}

}  // namespace
}  // namespace veltra
