#include <gtest/gtest.h>

#include "core/record_file.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "support/child_process.h"

namespace veltra {
namespace {

// A fresh folder beside the test program for real files.
class RealRecordFiles : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = winetest::ProgramFolder() + L"record-test\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
        Clean();
    }
    void TearDown() override {
        Clean();
        RemoveDirectoryW(folder_.c_str());
    }
    void Clean() {
        for (const wchar_t* name : {L"a.rec", L"b.rec"}) DeleteFileW((folder_ + name).c_str());
    }
    std::u16string Path(const wchar_t* name) { return FromWide(folder_ + name); }

    std::wstring folder_;
    Win32FileSystem files;
};

TEST_F(RealRecordFiles, MissingFilesWithAndWithoutCreate) {
    std::unique_ptr<IFile> handle;
    EXPECT_EQ(OpenRecordFile(files, Path(L"a.rec"), handle, 0, 3), kRecordMissing);
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(GetFileAttributesW((folder_ + L"a.rec").c_str()), INVALID_FILE_ATTRIBUTES);

    EXPECT_EQ(OpenRecordFile(files, Path(L"a.rec"), handle, 1, 2), kRecordCreated);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->Write("abc", 3), 3u);
    char back[3] = {};
    handle->Seek(0);
    EXPECT_EQ(handle->Read(back, 3), 3u);
    EXPECT_EQ(std::string(back, 3), "abc");
}

TEST_F(RealRecordFiles, ExistingFileInEachMode) {
    std::unique_ptr<IFile> handle;
    ASSERT_EQ(OpenRecordFile(files, Path(L"b.rec"), handle, 1, 1), kRecordCreated);
    handle->Write("0123456789", 10);
    handle.reset();

    EXPECT_EQ(OpenRecordFile(files, Path(L"b.rec"), handle, 0, 2), kRecordOpened);
    EXPECT_EQ(handle->Write("x", 1), 0u);
    char first = 0;
    EXPECT_EQ(handle->Read(&first, 1), 1u);
    EXPECT_EQ(first, '0');

    EXPECT_EQ(OpenRecordFile(files, Path(L"b.rec"), handle, 0, 0), kRecordOpened);
    handle->SeekToEnd();
    EXPECT_EQ(handle->Tell(), 10);
    handle->Write("A", 1);
    handle.reset();

    EXPECT_EQ(OpenRecordFile(files, Path(L"b.rec"), handle, 0, 1), kRecordOpened);
    handle->SeekToEnd();
    EXPECT_EQ(handle->Tell(), 0);  // "wb+" truncated the eleven bytes
}

TEST_F(RealRecordFiles, AFolderThatCannotHoldFilesGivesANullHandle) {
    // A folder path that runs through a file: nothing can be created below it.
    std::unique_ptr<IFile> handle;
    ASSERT_EQ(OpenRecordFile(files, Path(L"a.rec"), handle, 1, 1), kRecordCreated);
    handle.reset();
    EXPECT_EQ(OpenRecordFile(files, Path(L"a.rec\\inner.rec"), handle, 1, 3), kRecordCreated);
    EXPECT_EQ(handle, nullptr);
    EXPECT_EQ(OpenRecordFile(files, FromWide(folder_ + L"missing\\x.rec"), handle, 1, 3), kRecordCreated);
    EXPECT_EQ(handle, nullptr);
}

}  // namespace
}  // namespace veltra
