#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/debug_log.h"
#include "app/debug_window.h"
#include "app/test_modes.h"
#include "platform/win32/win32_platform.h"
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

TEST_F(DebugEditor, NumberedLinesAreTypedIntoTheRetitledEditor) {
    Win32Windows windows;
    Win32ProcessLauncher launcher;
    Win32Clock clock;
    Win32CodePage codePage;
    auto sink = OpenDebugWindow(launcher, windows, clock);
    ASSERT_NE(sink->LogTarget(), 0u) << "the editor window did not appear";
    HWND logWindow = reinterpret_cast<HWND>(sink->LogWindow());
    EXPECT_EQ(WindowText(logWindow), L"Veltra 5 Debug Message");
    RECT place{};
    GetWindowRect(logWindow, &place);
    EXPECT_EQ(place.left, 100);
    EXPECT_EQ(place.top, 350);
    EXPECT_EQ(place.right - place.left, 1000);

    DebugLogger log;
    log.Enable(sink, &codePage);
    log.Log(u"Programe start and Debug message is open!!");
    log.LogAnsi(std::string(600, 'b'));
    for (int i = 0; i < 7; ++i) log.Log(u"filler");
    log.Log(u"tenth");
    const std::wstring expected = L"0000 :  Programe start and Debug message is open!!\r\n0001 :  " +
                                  std::wstring(512, L'b') + L"\r\n";
    const std::wstring typed = EditorText(reinterpret_cast<HWND>(sink->LogTarget()));
    EXPECT_EQ(typed.substr(0, expected.size()), expected);
    EXPECT_THAT(typed, ::testing::EndsWith(L"0008 :  filler\r\n0009 :  tenth\r\n"));
}

TEST_F(DebugEditor, BothModesAreSwitchedByWindowsOfAnotherProgram) {
    struct RecordingBox final : IMessageBox {
        void Show(const std::u16string& text, const std::u16string& title) override { shown.push_back(title + u": " + text); }
        void ShowStop(const std::u16string& text, const std::u16string& title) override { Show(text, title); }
        std::vector<std::u16string> shown;
    } box;
    Win32Windows windows;
    EXPECT_FALSE(DetectTestModes(windows, box).debug);
    {
        TestWindow debugSwitch(L"Veltra Debug");
        TestWindow dqaSwitch(L"Veltra DQA TEST");
        const TestModes modes = DetectTestModes(windows, box);
        EXPECT_TRUE(modes.debug);
        EXPECT_TRUE(modes.dqa);
    }
    EXPECT_FALSE(DetectTestModes(windows, box).dqa);
    EXPECT_THAT(box.shown, ::testing::ElementsAre(u"Debug ONLY: Veltra now is going into Debug Mode",
                                                  u"DQA TEST ONLY: Veltra now is going into DQA TEST Mode"));
}

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
    const std::wstring typed = EditorText(GetWindow(log, GW_CHILD));
    EXPECT_THAT(typed, ::testing::StartsWith(L"0000 :  Programe start and Debug message is open!!\r\n"
                                             L"0001 :  Work path = " + machine.Folder().Path() + L"\r\n"));
    EXPECT_THAT(typed, ::testing::HasSubstr(L" :  NORVA LIB Version = 1.0.008 \r\n"));
    // The window's background comes right after the last identification step.
    EXPECT_THAT(typed, ::testing::HasSubstr(L"0022 :  NVIDIA VGA Card PCI ID = 0e9d\r\n0023 :  Set background image !!\r\n"));
}

}  // namespace
}  // namespace veltra
