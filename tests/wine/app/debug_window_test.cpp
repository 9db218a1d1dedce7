#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/debug_window.h"
#include "platform/win32/win32_platform.h"
#include "support/child_process.h"

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

std::wstring EditorText(HWND edit) {  // asked for: GetWindowText gives another process's caption
    wchar_t text[512] = L"";
    SendMessageW(edit, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

// The real editor, found, retitled, placed and typed into through the real window calls;
// which lines the program logs, and in what order, are the native start-up tests'.
TEST(DebugEditor, LinesAreTypedIntoTheRetitledAndPlacedEditor) {
    CloseEditors();
    Win32Platform real;
    Platform& platform = real.Get();
    const auto sink = OpenDebugWindow(platform.launcher, platform.windows, platform.clock);
    ASSERT_NE(sink->LogTarget(), 0u);
    DebugLogger log;
    log.Enable(sink, &platform.codePage);
    log.Log(u"Programe start and Debug message is open!!");
    log.Log(u"Work path = C:\\Veltra\\");
    HWND editor = FindWindowW(nullptr, L"Veltra 5 Debug Message");
    ASSERT_NE(editor, nullptr);
    RECT place{};
    GetWindowRect(editor, &place);
    EXPECT_EQ((std::vector<LONG>{place.left, place.top, place.right - place.left}), (std::vector<LONG>{100, 350, 1000}));
    EXPECT_EQ(EditorText(GetWindow(editor, GW_CHILD)),
              L"0000 :  Programe start and Debug message is open!!\r\n0001 :  Work path = C:\\Veltra\\\r\n");
    CloseEditors();
}

}  // namespace
}  // namespace veltra
