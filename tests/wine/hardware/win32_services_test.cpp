#include <gtest/gtest.h>

#include "hardware/kernel_driver_service.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "support/child_process.h"

namespace veltra {
namespace {

constexpr char16_t kTestService[] = u"VeltraLayerTestDriver";

// Deletes the test's service however a test ends.
struct ServiceCleanup {
    ~ServiceCleanup() {
        Win32ServiceManager services;
        const ServiceOpenResult manager = services.OpenManager(kScManagerAllAccess);
        const ServiceOpenResult service = services.Open(manager.handle, kTestService, kServiceAllAccess);
        if (service.handle != 0) {
            services.Stop(service.handle);
            services.Delete(service.handle);
            services.Close(service.handle);
        }
        services.Close(manager.handle);
    }
};

TEST(Win32ServiceManager, ErrorCodesOfTheRealManagerReachTheLogic) {
    ServiceCleanup cleanup;
    Win32ServiceManager services;
    const ServiceOpenResult manager = services.OpenManager(kScManagerAllAccess);
    ASSERT_NE(manager.handle, 0u) << manager.error;

    const ServiceOpenResult absent = services.Open(manager.handle, kTestService, kServiceAllAccess);
    EXPECT_EQ(absent.handle, 0u);
    EXPECT_EQ(absent.error, 1060u);  // ERROR_SERVICE_DOES_NOT_EXIST

    const std::u16string missingBinary =
        FromWide(winetest::ProgramFolder()) + u"no-such-driver-file.sys";
    const ServiceOpenResult created =
        services.Create(manager.handle, KernelDriverDefinition(kTestService, missingBinary));
    ASSERT_NE(created.handle, 0u) << created.error;
    EXPECT_EQ(services.QueryStartType(created.handle), std::optional<std::uint32_t>(kServiceDemandStart));
    const std::uint32_t startError = services.Start(created.handle);
    EXPECT_NE(startError, 0u) << "a driver whose file is missing cannot start";
    EXPECT_NE(startError, kErrorServiceAlreadyRunning);

    const ServiceOpenResult again =
        services.Create(manager.handle, KernelDriverDefinition(kTestService, missingBinary));
    EXPECT_EQ(again.handle, 0u);
    EXPECT_EQ(again.error, kErrorServiceExists);

    EXPECT_NE(services.Stop(created.handle), 0u) << "a service that does not run cannot be stopped";
    EXPECT_EQ(services.Delete(created.handle), 0u);
    services.Close(created.handle);
    EXPECT_EQ(services.Open(manager.handle, kTestService, kServiceAllAccess).error, 1060u);
    services.Close(manager.handle);
}

TEST(Win32Platform, DriveTypeArchitectureAndUnownedMutex) {
    Win32FileSystem files;
    EXPECT_EQ(files.DriveType(u"C:\\"), 3u);  // DRIVE_FIXED
    EXPECT_NE(files.DriveType(u"C:\\"), kDriveRemote);
    Win32SystemVersion version;
    // An x86 test program on 64-bit Windows runs under WoW64 and must still see 64-bit Windows.
    BOOL wow64 = FALSE;
    ASSERT_TRUE(IsWow64Process(GetCurrentProcess(), &wow64));
    EXPECT_EQ(version.NativeArchitecture(), sizeof(void*) == 8 || wow64 ? ProcessorArchitecture::Amd64
                                                                         : ProcessorArchitecture::X86);
    Win32NamedMutexes mutexes;
    EXPECT_FALSE(mutexes.OpenExisting(u"VeltraLayerTestMarker"));
    EXPECT_TRUE(mutexes.CreateUnowned(u"VeltraLayerTestMarker"));
    EXPECT_TRUE(mutexes.CreateUnowned(u"VeltraLayerTestMarker")) << "an existing mutex is opened";
    EXPECT_TRUE(mutexes.OpenExisting(u"VeltraLayerTestMarker"));
}

}  // namespace
}  // namespace veltra
