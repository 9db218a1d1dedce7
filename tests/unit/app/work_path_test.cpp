#include <gtest/gtest.h>

#include "core/vt5_record.h"
#include "app/work_folders.h"
#include "app/work_path.h"
#include "core/record_file.h"
#include "fakes/fake_platform.h"

namespace veltra {
namespace {

constexpr char16_t kKey[] = u"SOFTWARE\\Norva\\Veltra Series\\";
constexpr char16_t kWowKey[] = u"SOFTWARE\\Wow6432Node\\Norva\\Veltra Series\\";

TEST(WorkPath, AcceptsPathsUpTo255CharactersAndRefusesLongerOnes) {
    fakes::FakeProcessInfo process;
    VT5Record vt5;
    const std::u16string folder = u"C:\\" + std::u16string(240, u'd') + u"\\";  // 244 characters
    process.path = folder + std::u16string(255 - folder.size() - 4, u'e') + u".exe";
    ASSERT_EQ(process.path.size(), 255u);
    EXPECT_TRUE(ReadWorkPath(process, vt5));
    EXPECT_EQ(vt5.sWorkPath, folder);

    process.path = folder + std::u16string(8, u'e') + u".exe";
    ASSERT_EQ(process.path.size(), 256u);
    EXPECT_FALSE(ReadWorkPath(process, vt5));
    EXPECT_TRUE(vt5.sWorkPath.empty());
}

TEST(ProgramValues, ValuesUpTo63CharactersFitAndLongerOnesReadAsEmpty) {
    for (const auto& [length, expected] : {std::pair{63u, true}, {64u, false}, {127u, false}}) {
        fakes::FakeRegistry registry;
        registry.SetHklm(kKey, u"WorkDir", std::u16string(length, u'w'));
        registry.SetHklm(kKey, u"AppVersion", std::u16string(length, u'v'));
        VT5Record vt5;
        ReadInstallDir(registry, vt5);
        ReadAppVersion(registry, vt5.sAppVersion);
        EXPECT_EQ(vt5.sInstallDir, expected ? std::u16string(length, u'w') : u"") << length;
        EXPECT_EQ(vt5.sAppVersion, expected ? std::u16string(length, u'v') : u"") << length;
    }
}

TEST(ProgramValues, TheFirstKeyWinsAndTheWow6432NodeKeyIsTheFallback) {
    fakes::FakeRegistry registry;
    registry.SetHklm(kWowKey, u"WorkDir", u"C:\\Wow");
    registry.SetHklm(kWowKey, u"AppVersion", u"5.0.1");
    VT5Record vt5;
    ReadInstallDir(registry, vt5);
    ReadAppVersion(registry, vt5.sAppVersion);
    EXPECT_EQ(vt5.sInstallDir, u"C:\\Wow");
    EXPECT_EQ(vt5.sAppVersion, u"5.0.1");

    registry.SetHklm(kKey, u"WorkDir", u"C:\\Native");
    ReadInstallDir(registry, vt5);
    EXPECT_EQ(vt5.sInstallDir, u"C:\\Native");

    // A too-long value under the first key falls through to the second.
    registry.SetHklm(kKey, u"WorkDir", std::u16string(64, u'x'));
    ReadInstallDir(registry, vt5);
    EXPECT_EQ(vt5.sInstallDir, u"C:\\Wow");
}

TEST(ProgramValues, InstallDirIsEmptiedButAFilledVersionSurvivesFailedReads) {
    fakes::FakeRegistry registry;
    VT5Record vt5;
    vt5.sInstallDir = u"stale";
    vt5.sAppVersion = u"kept";
    ReadInstallDir(registry, vt5);
    ReadAppVersion(registry, vt5.sAppVersion);
    EXPECT_EQ(vt5.sInstallDir, u"");
    EXPECT_EQ(vt5.sAppVersion, u"kept");

    registry.SetHklm(kKey, u"AppVersion", u"5.1");
    ReadAppVersion(registry, vt5.sAppVersion);
    EXPECT_EQ(vt5.sAppVersion, u"5.1");
}

TEST(FileExists, TestsThePlainConcatenation) {
    fakes::FakeFileSystem files;
    files.AddFile(u"C:\\A\\VT5\\LOG\\History.rec", {});
    EXPECT_EQ(FileExists(files, u"C:\\A\\VT5\\LOG\\", u"History.rec"), 1);
    EXPECT_EQ(FileExists(files, u"C:\\A\\VT5\\LOG", u"History.rec"), 0);  // no separator added
    EXPECT_EQ(FileExists(files, u"C:\\A\\VT5\\LOG\\History.rec", u""), 1);
    EXPECT_EQ(FileExists(files, u"C:\\A\\VT5\\", u"LOG"), 1);  // a folder is an entry too
}

TEST(WorkFolders, MissingSubFoldersAreCreatedAndFailuresReported) {
    fakes::FakeFileSystem files;
    files.AddFolder(u"C:\\A\\VT5\\LOG");
    EXPECT_TRUE(EnsureWorkFolders(files, u"C:\\A\\").empty());
    for (const auto& folder : WorkSubFolders()) EXPECT_TRUE(files.IsDirectory(u"C:\\A\\" + folder)) << "missing";

    fakes::FakeFileSystem readOnly;
    readOnly.MakeReadOnlyFolder(u"C:\\B");
    EXPECT_EQ(EnsureWorkFolders(readOnly, u"C:\\B\\").size(), WorkSubFolders().size());
}

}  // namespace
}  // namespace veltra
