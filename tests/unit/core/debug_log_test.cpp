#include <gtest/gtest.h>

#include <stdexcept>

#include "core/debug_log.h"
#include "core/guarded_callback.h"
#include "core/text.h"
#include "fakes/fake_platform.h"
#include "fakes/recording_debug_sink.h"
#include "startup/debug_window.h"

namespace veltra {
namespace {

using fakes::FakePlatform;
using fakes::RecordingDebugSink;

TEST(DebugLog, OffUntilEnabledThenNumberedLinesFromBothEntryPoints) {
    auto sink = std::make_shared<RecordingDebugSink>();
    Windows1252CodePage codePage;
    DebugLogger log;
    log.Log(u"ignored");
    log.LogAnsi("ignored");
    EXPECT_FALSE(log.Enabled());
    log.Enable(sink, &codePage);
    log.Log(u"Programe start and Debug message is open!!");
    log.LogAnsi("8-bit \xE4 line");
    for (int i = 0; i < 8; ++i) log.Log(u"line");
    log.Log(u"tab\tand\nfeed");
    log.LogAnsi(std::string(700, 'x'));  // cut at the buffer
    log.LogAnsi(std::string("before\0after", 12));
    log.Disable();
    log.Log(u"after disable");
    ASSERT_EQ(sink->lines.size(), 13u);
    EXPECT_EQ(sink->lines[0], u"0000 :  Programe start and Debug message is open!!");
    EXPECT_EQ(sink->lines[1], u"0001 :  8-bit \u00E4 line");
    EXPECT_EQ(sink->lines[9], u"0009 :  line");
    EXPECT_EQ(sink->lines[10], u"0010 :  tab\tand\nfeed");
    EXPECT_EQ(sink->lines[11], u"0011 :  " + std::u16string(DebugLogger::kAnsiBufferBytes, u'x'));
    EXPECT_EQ(sink->lines[12], u"0012 :  before");
}

// What a window procedure's handler throws stops there: the default answer and one line.
TEST(DebugLog, AThrowingCallbackGivesItsDefaultAnswerAndOneLine) {
    auto sink = std::make_shared<RecordingDebugSink>();
    ProcessDebugLog().Enable(sink, nullptr);
    EXPECT_EQ(AnswerOrDefault("the tray window", [] { return 3; }, [] { return 9; }), 3);
    EXPECT_EQ(AnswerOrDefault("the tray window", []() -> int { throw std::runtime_error("bad row"); }, [] { return 7; }), 7);
    EXPECT_EQ(AnswerOrDefault("a dialog", []() -> int { throw 1; }, [] { return 8; }), 8);
    ProcessDebugLog().Disable();
    EXPECT_EQ(sink->lines, (std::vector<std::u16string>{u"0000 :  Exception in the tray window: bad row",
                                                        u"0001 :  Exception in a dialog: an exception of unknown type"}));
}

TEST(DebugWindow, TheEditorIsRetitledPlacedAndTypedInto) {
    FakePlatform fake;
    // The editor opens its window 200 ms after it is started, with an edit control inside.
    fake.launcher.programs[u"notepad.exe"] = [&fake] {
        fake.clock.onSleep = [&fake](unsigned slept) {
            if (slept < 200 || fake.windows.FindTopLevelByClass(u"Notepad") != 0) return;
            const WindowHandle editor = fake.windows.AddTopLevel(u"Untitled - Notepad", u"Notepad");
            fake.windows.AddChild(editor, u"Edit");
        };
    };
    auto sink = OpenDebugWindow(fake.launcher, fake.windows, fake.clock);
    ASSERT_NE(sink->LogWindow(), 0u);
    auto& window = fake.windows.Get(sink->LogWindow());
    EXPECT_EQ(window.title, u"Veltra 5 Debug Message");
    EXPECT_EQ((std::vector<int>{window.x, window.y, window.width, window.height}),
              (std::vector<int>{100, 350, 1000, 500}));
    EXPECT_EQ(fake.clock.slept, 300u + 500u);
    sink->WriteLine(u"0000 :  line");
    EXPECT_EQ(fake.windows.Get(sink->LogTarget()).text, u"0000 :  line\r\n");
}

TEST(DebugWindow, AMissingEditorDropsLinesQuietly) {
    FakePlatform none;
    auto sink = OpenDebugWindow(none.launcher, none.windows, none.clock);
    EXPECT_EQ(sink->LogWindow(), 0u);
    EXPECT_EQ(sink->LogTarget(), 0u);
    sink->WriteLine(u"0000 :  lost");
    EXPECT_EQ(none.windows.charactersToNullWindow, 13);
}

}  // namespace
}  // namespace veltra
