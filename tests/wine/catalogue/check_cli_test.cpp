#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <iterator>

#include "catalogue/installed_versions.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "platform/windows1252.h"
#include "support/child_process.h"
#include "support/source_tree.h"

namespace veltra {
namespace {

using winetest::ReadBytes;
using winetest::SourcePath;

// A work folder beside the test program holding the bundled server's catalogues.
class CheckCommand : public ::testing::Test {
protected:
    void SetUp() override {
        work_ = winetest::ProgramFolder() + L"catalogue-work\\";
        for (const wchar_t* folder : {L"", L"VT5", L"VT5\\LOG", L"VT5\\DL_INFO"}) CreateDirectoryW((work_ + folder).c_str(), nullptr);
        for (const char* name : {"BIOSList.xml", "VT5/DRVList.rec", "VT5/VIDDID.rec", "VT5/VDList.xml", "VT5/VBList.xml",
                                 "VT5/VT5_LMU.xml", "VT5/VT5_LOU.xml"}) {
            const std::string file = std::string(name).substr(std::string(name).rfind('/') + 1);
            ASSERT_TRUE(CopyFileW(SourcePath("examples/server/DataBase/" + std::string(name)).c_str(),
                                  (work_ + L"VT5\\DL_INFO\\" + std::wstring(file.begin(), file.end())).c_str(), FALSE))
                << name;
        }
        DeleteFileW(CheckList().c_str());
    }
    std::wstring CheckList() const { return work_ + L"VT5\\LOG\\CheckList.rec"; }
    winetest::ChildResult Cli(const std::wstring& arguments) {
        return winetest::RunChild(L"\"" + winetest::ProgramFolder() + L"veltra-cli.exe\" " + arguments + L" --work \"" +
                                  work_.substr(0, work_.size() - 1) + L"\"");
    }

    std::wstring work_;
};

TEST_F(CheckCommand, TheDemoPcsResultFileEqualsTheNativeBuildsByteForByte) {
    const auto check = Cli(L"check --identity \"" + SourcePath("examples/identities/demo-pc.json") + L"\"");
    EXPECT_EQ(check.exitCode, 0u);
    EXPECT_THAT(check.output, ::testing::StartsWith("1\tMB BIOS\tQB-7100\t1.20\t1.30\tQB-7100/130\n"));
    EXPECT_THAT(check.output, ::testing::EndsWith("\n9 updates\n"));
    const std::string written = ReadBytes(CheckList());
    EXPECT_EQ(written.size(), 9u * 988u);
    EXPECT_TRUE(written == ReadBytes(SourcePath("tests/fixtures/catalogue/demo-pc-CheckList.rec")));
    const auto list = Cli(L"list");
    EXPECT_EQ(list.exitCode, 0u);
    EXPECT_EQ(list.output, check.output);
}

// Keys below the drivers key, made for one test and removed after it.
class DriverKeys {
public:
    DriverKeys() = default;
    DriverKeys(const DriverKeys&) = delete;
    DriverKeys& operator=(const DriverKeys&) = delete;
    ~DriverKeys() {
        for (const std::wstring& name : added_) RegDeleteTreeW(HKEY_LOCAL_MACHINE, name.c_str());
    }
    void Add(const wchar_t* name, const wchar_t* version) {
        HKEY key = nullptr;
        const std::wstring path = std::wstring(L"SOFTWARE\\Norva\\Drivers\\") + name;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
        added_.push_back(path);
    }

private:
    std::vector<std::wstring> added_;
};

TEST(Win32InstalledVersions, DriverSubKeysAreListedAndReadThrough128Bytes) {
    DriverKeys keys;
    keys.Add(L"Veltra Test Driver A", L"3.2.1");
    keys.Add(L"Veltra Test Driver B", std::wstring(64, L'9').c_str());
    Win32Registry registry;
    const auto names = registry.SubKeyNames(RegistryRoot::LocalMachine, u"SOFTWARE\\Norva\\Drivers\\");
    EXPECT_THAT(names, ::testing::IsSupersetOf({u"Veltra Test Driver A", u"Veltra Test Driver B"}));
    EXPECT_TRUE(registry.SubKeyNames(RegistryRoot::LocalMachine, u"SOFTWARE\\No Such Key").empty());
    Windows1252CodePage codePage;
    RegistryInstalledVersions installed(registry, codePage);
    EXPECT_EQ(installed.GetInstalledVersion("Veltra Test Driver A"), u"3.2.1");
    EXPECT_EQ(installed.GetInstalledVersion("veltra test driver a"), u"3.2.1");
    EXPECT_EQ(installed.GetInstalledVersion("Veltra Test Driver B"), u"");  // does not fit in 128 bytes
    const auto all = installed.AllInstalled();
    EXPECT_EQ(all.count(u"Veltra Test Driver A"), 1u);
    EXPECT_EQ(all.count(u"Veltra Test Driver B"), 0u);
}

}  // namespace
}  // namespace veltra
