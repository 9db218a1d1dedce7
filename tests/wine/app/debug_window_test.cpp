#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/child_process.h"
#include "support/program_machine.h"
#include "support/test_window.h"

namespace veltra {
namespace {

using namespace winetest;

void CloseEditors() {
    while (HWND editor = FindWindowW(L"Notepad", nullptr)) {
        if (HWND edit = GetWindow(editor, GW_CHILD)) SendMessageW(edit, EM_SETMODIFY, FALSE, 0);
        SendMessageW(editor, WM_CLOSE, 0, 0);
        PumpUntil([&] { return !IsWindow(editor); }, 5000);
    }
}

std::wstring EditorText(HWND edit) {
    const auto length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

class DebugEditor : public ::testing::Test {
protected:
    void SetUp() override { CloseEditors(); }
    void TearDown() override { CloseEditors(); }
};

TEST_F(DebugEditor, TheProgramInDebugModeLogsItsStartIntoTheEditor) {
    const ProgramMachine machine(L"demo-pc");
    TestWindow debugSwitch(L"Veltra Debug");
    ChildProcess program(machine.Program(L"veltra.exe"));
    HWND box = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (box = FindWindowW(nullptr, L"Debug ONLY")) != nullptr; }, 20000));
    EXPECT_EQ(MessageBoxText(box), L"Veltra now is going into Debug Mode");
    DismissMessageBox(box);
    // Every line of the whole identification is typed into the editor one character at a
    // time before the main window shows.
    HWND main = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (main = VisibleMainWindowOf(program.Id())) != nullptr; }, 60000));
    EndMainWindow(main);
    EXPECT_EQ(program.Wait(10000), 0u);
    HWND log = FindWindowW(nullptr, L"Veltra 5 Debug Message");
    ASSERT_NE(log, nullptr);
    RECT place{};
    GetWindowRect(log, &place);
    EXPECT_EQ((std::vector<LONG>{place.left, place.top, place.right - place.left}), (std::vector<LONG>{100, 350, 1000}));
    const std::wstring typed = EditorText(GetWindow(log, GW_CHILD));
    EXPECT_THAT(typed, ::testing::StartsWith(L"0000 :  Programe start and Debug message is open!!\r\n"
                                             L"0001 :  Work path = " + machine.Folder().Path() + L"\r\n"));
    EXPECT_THAT(typed, ::testing::HasSubstr(L" :  NORVA LIB Version = 1.0.008 \r\n"));
    // The window's background comes right after the last identification step.
    EXPECT_THAT(typed, ::testing::HasSubstr(L"0022 :  NVIDIA VGA Card PCI ID = 0e9d\r\n0023 :  Set background image !!\r\n"));
}

}  // namespace
}  // namespace veltra
