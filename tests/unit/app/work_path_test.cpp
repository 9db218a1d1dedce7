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

// Both values are read from the first key, and from the Wow6432Node key only while still
// empty; a value longer than 63 characters reads as missing. The folder is emptied first,
// the version kept when nothing is read.
TEST(ProgramValues, TheFirstKeyThenTheWow6432NodeKeyUpTo63Characters) {
    const std::u16string fits(63, u'w'), tooLong(64, u'x');
    const struct {
        std::vector<std::pair<const char16_t*, std::u16string>> values;  // key, value of both names
        const char16_t* versionBefore;
        std::u16string folder, version;
    } rows[] = {
        {{{kKey, fits}}, u"kept", fits, fits},
        {{{kKey, tooLong}}, u"kept", u"", u"kept"},
        {{{kKey, std::u16string(127, u'x')}}, u"", u"", u""},
        {{{kWowKey, u"C:\\Wow"}}, u"", u"C:\\Wow", u"C:\\Wow"},
        {{{kWowKey, u"C:\\Wow"}}, u"kept", u"C:\\Wow", u"kept"},
        {{{kWowKey, u"C:\\Wow"}, {kKey, u"C:\\Native"}}, u"", u"C:\\Native", u"C:\\Native"},
        {{{kWowKey, u"C:\\Wow"}, {kKey, tooLong}}, u"", u"C:\\Wow", u"C:\\Wow"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.values.size());
        fakes::FakeRegistry registry;
        for (const auto& [key, value] : row.values) {
            registry.SetHklm(key, u"WorkDir", value);
            registry.SetHklm(key, u"AppVersion", value);
        }
        VT5Record vt5;
        vt5.sInstallDir = u"stale";
        vt5.sAppVersion = row.versionBefore;
        ReadInstallDir(registry, vt5);
        ReadAppVersion(registry, vt5.sAppVersion);
        EXPECT_EQ(vt5.sInstallDir, row.folder);
        EXPECT_EQ(vt5.sAppVersion, row.version);
    }
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
