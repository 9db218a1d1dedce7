#include <gtest/gtest.h>

#include "core/record_file.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "support/child_process.h"

namespace veltra {
namespace {

// The open modes of the record files on real files: "rb" reads only, "rb+" keeps the
// contents, "wb+" truncates, and a folder that cannot hold the file gives no handle.
TEST(RealRecordFiles, EachModeOnARealFile) {
    const std::wstring file = winetest::ProgramFolder() + L"record-test.rec";
    DeleteFileW(file.c_str());
    Win32FileSystem files;
    std::unique_ptr<IFile> handle;
    EXPECT_EQ(OpenRecordFile(files, FromWide(file), handle, 0, 3), kRecordMissing);
    EXPECT_EQ(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_EQ(OpenRecordFile(files, FromWide(file), handle, 1, 2), kRecordCreated);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(handle->Write("0123456789", 10), 10u);  // created read-write whatever the mode
    handle.reset();
    EXPECT_EQ(OpenRecordFile(files, FromWide(file), handle, 0, 2), kRecordOpened);
    EXPECT_EQ(handle->Write("x", 1), 0u);
    char first = 0;
    EXPECT_EQ(handle->Read(&first, 1), 1u);
    EXPECT_EQ(first, '0');
    for (const auto& [mode, size] : {std::pair{0, 10}, {1, 0}}) {
        handle.reset();
        EXPECT_EQ(OpenRecordFile(files, FromWide(file), handle, 0, mode), kRecordOpened);
        handle->SeekToEnd();
        EXPECT_EQ(handle->Tell(), size) << mode;
    }
    handle.reset();
    EXPECT_EQ(OpenRecordFile(files, FromWide(file + L"\\inner.rec"), handle, 1, 3), kRecordCreated);
    EXPECT_EQ(handle, nullptr);
    DeleteFileW(file.c_str());
}

}  // namespace
}  // namespace veltra
