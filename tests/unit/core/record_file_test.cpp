#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/record_file.h"
#include "fakes/fake_file_system.h"
#include "fakes/recording_debug_sink.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

constexpr char16_t kPath[] = u"C:\\A\\VT5\\LOG\\Veltra.rec";

class RecordFileTest : public ::testing::Test {
protected:
    RecordFileTest() { files.AddFolder(u"C:\\A\\VT5\\LOG"); }
    std::vector<unsigned char> ReadAll(IFile& file) {
        std::vector<unsigned char> bytes(64);
        file.Seek(0);
        bytes.resize(file.Read(bytes.data(), bytes.size()));
        return bytes;
    }
    fakes::FakeFileSystem files;
    fakes::ScopedDebugCapture capture;
};

TEST_F(RecordFileTest, MissingFileWithoutCreateIsResult5AndLeavesTheHandle) {
    files.AddFile(u"C:\\A\\other.rec", {1});
    std::unique_ptr<IFile> handle = files.Open(u"C:\\A\\other.rec", FileOpenMode::ReadOnly);
    IFile* before = handle.get();
    EXPECT_EQ(OpenRecordFile(files, kPath, handle, 0, 2), kRecordMissing);
    EXPECT_EQ(handle.get(), before);
    EXPECT_FALSE(files.HasFile(kPath));
    EXPECT_TRUE(capture.Lines().empty());
}

TEST_F(RecordFileTest, MissingFileWithCreateIsMadeReadWriteWhateverTheMode) {
    std::unique_ptr<IFile> handle;
    EXPECT_EQ(OpenRecordFile(files, kPath, handle, 1, 2), kRecordCreated);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->Write("ab", 2), 2u);  // "wb+" even though "rb" was asked for
    EXPECT_THAT(ReadAll(*handle), ElementsAre('a', 'b'));
    EXPECT_THAT(capture.Lines(), ElementsAre(u"0000 :  Create : C:\\A\\VT5\\LOG\\Veltra.rec",
                                             u"0001 :  Create successfully !! C:\\A\\VT5\\LOG\\Veltra.rec"));
}

TEST_F(RecordFileTest, ExistingFileOpensInEachModeWithTheSameLogLines) {
    files.AddFile(kPath, {'x', 'y'});
    std::unique_ptr<IFile> handle;
    EXPECT_EQ(OpenRecordFile(files, kPath, handle, 0, 2), kRecordOpened);
    EXPECT_EQ(handle->Write("z", 1), 0u);  // "rb" is read only
    EXPECT_THAT(ReadAll(*handle), ElementsAre('x', 'y'));

    EXPECT_EQ(OpenRecordFile(files, kPath, handle, 0, 3), kRecordOpened);  // "rb+" keeps the contents
    EXPECT_THAT(ReadAll(*handle), ElementsAre('x', 'y'));
    handle->Seek(0);
    handle->Write("Q", 1);
    EXPECT_THAT(files.Contents(kPath), ElementsAre('Q', 'y'));

    EXPECT_EQ(OpenRecordFile(files, kPath, handle, 1, 1), kRecordOpened);  // "wb+" truncates
    EXPECT_TRUE(files.Contents(kPath).empty());
    EXPECT_EQ(capture.Lines().size(), 6u);
    EXPECT_EQ(capture.Lines()[0], u"0000 :  Load history...");
    EXPECT_EQ(capture.Lines()[1], u"0001 :  Load successfully : C:\\A\\VT5\\LOG\\Veltra.rec");
}

TEST_F(RecordFileTest, AFailedOpenGivesANullHandleAndIsNotLoggedAsSuccess) {
    files.MakeReadOnlyFolder(u"C:\\RO");
    std::unique_ptr<IFile> handle;
    EXPECT_EQ(OpenRecordFile(files, u"C:\\RO\\Reminder.rec", handle, 1, 3), kRecordCreated);
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(capture.Lines().back(), u"0001 :  Create fail !! C:\\RO\\Reminder.rec");

    files.AddFile(u"C:\\RO\\History.rec", {1});
    EXPECT_EQ(OpenRecordFile(files, u"C:\\RO\\History.rec", handle, 1, 3), kRecordOpened);
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(capture.Lines().back(), u"0003 :  Load fail : C:\\RO\\History.rec");
}

TEST(RecordPath, JoinsWithOneSeparator) {
    EXPECT_EQ(RecordPath(u"C:\\A\\", u"VT5\\LOG", u"History.rec"), u"C:\\A\\VT5\\LOG\\History.rec");
    EXPECT_EQ(RecordPath(u"C:\\A\\", u"VT5\\DL_INFO\\", u"VGACardList.rec"), u"C:\\A\\VT5\\DL_INFO\\VGACardList.rec");
}

}  // namespace
}  // namespace veltra
