#include <gtest/gtest.h>

#include "core/vt5_record.h"
#include "platform/win32/win32_platform.h"
#include "startup/work_path.h"
#include "support/test_window.h"

namespace veltra {
namespace {

using winetest::ScopedRegistryValue;

constexpr wchar_t kKey[] = L"SOFTWARE\\Norva\\Veltra Series\\";
constexpr wchar_t kWowKey[] = L"SOFTWARE\\Wow6432Node\\Norva\\Veltra Series\\";

// The byte-count rule of the real RegQueryValueExW (value and terminator must fit) and the
// fallback key.
TEST(Win32Registry, ProgramValuesFitIn63CharactersAndFallBack) {
    Win32Registry registry;
    ScopedRegistryValue workDir(HKEY_LOCAL_MACHINE, kKey, L"WorkDir");
    ScopedRegistryValue appVersion(HKEY_LOCAL_MACHINE, kKey, L"AppVersion");
    ScopedRegistryValue wowWorkDir(HKEY_LOCAL_MACHINE, kWowKey, L"WorkDir");
    wowWorkDir.Remove();
    for (const auto& [length, fits] : {std::pair{63u, true}, {64u, false}}) {
        workDir.Set(std::wstring(length, L'w'));
        appVersion.Set(std::wstring(length, L'v'));
        VT5Record vt5;
        ReadInstallDir(registry, vt5);
        ReadAppVersion(registry, vt5.sAppVersion);
        EXPECT_EQ(vt5.sInstallDir, fits ? std::u16string(length, u'w') : u"") << length;
        EXPECT_EQ(vt5.sAppVersion, fits ? std::u16string(length, u'v') : u"") << length;
    }
    workDir.Remove();
    wowWorkDir.Set(L"C:\\Program Files (x86)\\Norva\\Veltra");
    VT5Record vt5;
    ReadInstallDir(registry, vt5);
    EXPECT_EQ(vt5.sInstallDir, u"C:\\Program Files (x86)\\Norva\\Veltra");
}

}  // namespace
}  // namespace veltra
