#include <gtest/gtest.h>

#include "core/vt5_record.h"
#include "app/work_folders.h"
#include "app/work_path.h"
#include "fakes/fake_platform.h"

namespace veltra {
namespace {

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
