#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/last_scan.h"
#include "core/record_file.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_platform.h"
#include "fakes/recording_debug_sink.h"

namespace veltra {
namespace {

using ::testing::Each;
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

constexpr char16_t kRecord[] = u"C:\\Veltra\\VT5\\LOG\\Veltra.rec";

class LastScanTest : public ::testing::Test {
protected:
    LastScanTest() { files.AddFolder(u"C:\\Veltra\\VT5\\LOG"); }
    fakes::FakeFileSystem files;
    fakes::FakeClock clock;
    DateTime tLastScan{1, 1, 1, 1, 1, 1, 1, 1};
};

TEST_F(LastScanTest, FirstRunShowsNoneOnlyWhileTheFileIsNew) {
    EXPECT_EQ(LastScanPath(u"C:\\Veltra\\"), kRecord);
    LastScanRecord record(files, kRecord);
    LastScanTexts texts = record.ShowLastScan(tLastScan);
    EXPECT_EQ(texts.home, u"None");
    EXPECT_EQ(texts.popup, u"Last scan : None \nDo you want to scan your computer for updating ?");
    EXPECT_EQ(files.Contents(kRecord), std::vector<unsigned char>(16, 0));

    LastScanRecord nextStart(files, kRecord);
    texts = nextStart.ShowLastScan(tLastScan);
    EXPECT_EQ(texts.home, u"00/00/00");
    EXPECT_EQ(texts.popup, u"Last scan : 00/00/00 \nDo you want to scan your computer for updating ?");
    EXPECT_EQ(tLastScan, DateTime{});
}

TEST_F(LastScanTest, ASavedScanIsSixteenLittleEndianBytesAndShowsItsDay) {
    clock.now = DateTime{2010, 5, 5, 7, 14, 3, 9, 250};
    LastScanRecord record(files, kRecord);
    record.ShowLastScan(tLastScan);  // creates and closes the file
    record.SaveLastScan(1, clock);   // so the save opens it again
    EXPECT_THAT(files.Contents(kRecord),
                ElementsAre(0xDA, 0x07, 5, 0, 5, 0, 7, 0, 14, 0, 3, 0, 9, 0, 0xFA, 0));
    EXPECT_EQ(record.ShowLastScan(tLastScan).home, u"2010/05/07");
    EXPECT_EQ(tLastScan, clock.now);

    record.SaveLastScan(0, clock);  // the shared handle from the show, written and closed
    EXPECT_THAT(files.Contents(kRecord), Each(0));
    EXPECT_EQ(files.Contents(kRecord).size(), 16u);
}

TEST_F(LastScanTest, ATruncatedRecordReadsAsZerosAndIsMendedByTheNextSave) {
    files.AddFile(kRecord, {0xDA, 0x07, 5});
    LastScanRecord record(files, kRecord);
    EXPECT_EQ(record.ShowLastScan(tLastScan).home, u"00/00/00");
    EXPECT_EQ(tLastScan, DateTime{});
    record.SaveLastScan(1, clock);
    EXPECT_EQ(files.Contents(kRecord).size(), 16u);
    EXPECT_EQ(record.ShowLastScan(tLastScan).home, u"2026/12/07");
}

TEST(LastTime, EightBytesUnderTheCurrentDirectory) {
    fakes::FakeFileSystem files;
    files.AddFolder(u"D:\\cwd\\VT5\\LOG");
    const std::u16string path = LastTimePath(u"D:\\cwd");
    EXPECT_EQ(path, u"D:\\cwd\\VT5\\LOG\\LastTime.rec");

    EXPECT_EQ(ReadLastTime(files, path, 1234), 1234);  // missing: now
    WriteLastTime(files, path, 0x0102030405060708);
    EXPECT_THAT(files.Contents(path), ElementsAre(8, 7, 6, 5, 4, 3, 2, 1));
    EXPECT_EQ(ReadLastTime(files, path, 0), 0x0102030405060708);
    files.AddFile(path, {1, 2, 3});  // short: not a time at all
    EXPECT_EQ(ReadLastTime(files, path, 99), 99);
}

}  // namespace
}  // namespace veltra
