#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "support/child_process.h"
#include "support/program_machine.h"
#include "support/test_window.h"

namespace veltra {
namespace {

using namespace winetest;

// A folder holding copies of the two programs and no driver file, removed afterwards.
class FolderWithoutDrivers {
public:
    FolderWithoutDrivers() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"veltra-without-drivers\\";
        CreateDirectoryW(folder_.c_str(), nullptr);
        CopyProgramsTo(folder_);
    }
    FolderWithoutDrivers(const FolderWithoutDrivers&) = delete;
    FolderWithoutDrivers& operator=(const FolderWithoutDrivers&) = delete;
    ~FolderWithoutDrivers() {
        for (const wchar_t* program : {L"veltra.exe", L"veltra-cli.exe"}) DeleteFileW((folder_ + program).c_str());
        RemoveDirectoryW(folder_.c_str());
    }
    std::wstring Program(const wchar_t* name) const { return L"\"" + folder_ + name + L"\""; }

private:
    std::wstring folder_;
};

std::string DescribeWindows(DWORD processId) {
    std::string text = "windows of the process:";
    for (HWND window : VisibleWindowsOf(processId)) {
        const std::wstring title = WindowText(window);
        text += " [" + std::string(title.begin(), title.end()) + "]";
    }
    return text;
}

TEST(MissingIoDriver, ProgramTriesFourTimesThenSaysDriverCantLoadAndEndsWithZero) {
    FolderWithoutDrivers folder;
    const ULONGLONG started = GetTickCount64();
    ChildProcess program(folder.Program(L"veltra.exe"));
    ASSERT_TRUE(program.Started());
    HWND box = nullptr;
    ASSERT_TRUE(PumpUntil(
        [&] {
            box = FindWindowW(nullptr, L"Veltra 5");
            DWORD owner = 0;
            GetWindowThreadProcessId(box, &owner);
            return box != nullptr && owner == program.Id();
        },
        20000)) << DescribeWindows(program.Id()) << "; exit code " << program.Wait(0);
    // The four attempts wait 0 + 100 + 200 + 300 ms before the message.
    EXPECT_GE(GetTickCount64() - started, 600u);
    EXPECT_EQ(MessageBoxText(box), L"Driver can't Load !");
    EXPECT_EQ(VisibleWindowsOf(program.Id()).size(), 1u) << "nothing but the message";
    DismissMessageBox(box);
    EXPECT_EQ(program.Wait(10000), 0u);
}

}  // namespace
}  // namespace veltra
