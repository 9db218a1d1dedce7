#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/work_path.h"
#include "core/vt5_record.h"
#include "platform/win32/win32_platform.h"
#include "support/test_window.h"

namespace veltra {
namespace {

using winetest::ScopedRegistryValue;

constexpr wchar_t kKey[] = L"SOFTWARE\\Norva\\Veltra Series\\";
constexpr wchar_t kWowKey[] = L"SOFTWARE\\Wow6432Node\\Norva\\Veltra Series\\";

// The byte-count rule of the real RegQueryValueExW (value and terminator must fit), the
// fallback key, values of other types, and sub-keys listed by the real enumeration.
TEST(Win32Registry, ProgramValuesFitIn63CharactersFallBackAndSubKeysAreListed) {
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

    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VeltraTest\\Sub A", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    const DWORD number = 7;
    RegSetValueExW(key, L"Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
    RegCloseKey(key);
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\VeltraTest\\Sub B", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegCloseKey(key);
    EXPECT_THAT(registry.SubKeyNames(RegistryRoot::CurrentUser, u"Software\\VeltraTest\\"),
                ::testing::UnorderedElementsAre(u"Sub A", u"Sub B"));
    EXPECT_TRUE(registry.SubKeyNames(RegistryRoot::CurrentUser, u"Software\\NoSuchKey").empty());
    EXPECT_FALSE(registry.ReadString(RegistryRoot::CurrentUser, u"Software\\VeltraTest\\Sub A", u"Number", 128));
    EXPECT_FALSE(registry.ReadString(RegistryRoot::CurrentUser, u"Software\\NoSuchKey", u"X", 128));
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VeltraTest");
}

}  // namespace
}  // namespace veltra
