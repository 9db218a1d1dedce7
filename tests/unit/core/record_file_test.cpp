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

// Each open's result, handle, mode and log lines: "rb" reads only, "rb+" keeps the contents,
// "wb+" truncates, and a missing file that may be created is made read-write whatever the mode.
TEST(RecordFile, OpensCreatesOrFailsWithTheirModesAndLogLines) {
    const struct {
        const char16_t* path;
        int create, mode;
        int result;
        bool handle, writable;
        std::size_t sizeAfterOpen;
        std::vector<std::u16string> lines;
    } rows[] = {
        {u"C:\\A\\New.rec", 0, 2, kRecordMissing, false, false, 0, {}},
        {u"C:\\A\\New.rec", 1, 2, kRecordCreated, true, true, 0,
         {u"0000 :  Create : C:\\A\\New.rec", u"0001 :  Create successfully !! C:\\A\\New.rec"}},
        {u"C:\\A\\Old.rec", 0, 2, kRecordOpened, true, false, 2,
         {u"0000 :  Load history...", u"0001 :  Load successfully : C:\\A\\Old.rec"}},
        {u"C:\\A\\Old.rec", 0, 3, kRecordOpened, true, true, 2,
         {u"0000 :  Load history...", u"0001 :  Load successfully : C:\\A\\Old.rec"}},
        {u"C:\\A\\Old.rec", 1, 1, kRecordOpened, true, true, 0,
         {u"0000 :  Load history...", u"0001 :  Load successfully : C:\\A\\Old.rec"}},
        {u"C:\\RO\\New.rec", 1, 3, kRecordCreated, false, false, 0,
         {u"0000 :  Create : C:\\RO\\New.rec", u"0001 :  Create fail !! C:\\RO\\New.rec"}},
        {u"C:\\RO\\Old.rec", 1, 3, kRecordOpened, false, false, 2,
         {u"0000 :  Load history...", u"0001 :  Load fail : C:\\RO\\Old.rec"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.create << row.mode);
        fakes::FakeFileSystem files;
        files.AddFolder(u"C:\\A");
        files.AddFile(u"C:\\A\\Old.rec", {'x', 'y'});
        files.MakeReadOnlyFolder(u"C:\\RO");
        files.AddFile(u"C:\\RO\\Old.rec", {'x', 'y'});
        fakes::ScopedDebugCapture capture;
        std::unique_ptr<IFile> handle;
        EXPECT_EQ(OpenRecordFile(files, row.path, handle, row.create, row.mode), row.result);
        ASSERT_EQ(handle != nullptr, row.handle);
        EXPECT_EQ(capture.Lines(), row.lines);
        EXPECT_EQ(files.HasFile(row.path) ? files.Contents(row.path).size() : 0u, row.sizeAfterOpen);
        if (handle) {
            EXPECT_EQ(handle->Write("z", 1), row.writable ? 1u : 0u);
        }
    }
}

constexpr char16_t kRecord[] = u"C:\\Veltra\\VT5\\LOG\\Veltra.rec";

class LastScanTest : public ::testing::Test {
protected:
    LastScanTest() { files.AddFolder(u"C:\\Veltra\\VT5\\LOG"); }
    fakes::FakeFileSystem files;
    fakes::FakeClock clock;
    DateTime tLastScan{1, 1, 1, 1, 1, 1, 1, 1};
};

TEST_F(LastScanTest, ASavedScanIsSixteenLittleEndianBytesAndShowsItsDay) {
    clock.now = DateTime{2010, 5, 5, 7, 14, 3, 9, 250};
    EXPECT_EQ(LastScanPath(u"C:\\Veltra\\"), kRecord);
    LastScanRecord record(files, kRecord);
    const LastScanTexts first = record.ShowLastScan(tLastScan);  // creates and closes the file
    EXPECT_EQ(first.popup, u"Last scan : None \nDo you want to scan your computer for updating ?");
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
