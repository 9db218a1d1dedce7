#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/vt5_record.h"
#include "fakes/fake_platform.h"
#include "fakes/recording_debug_sink.h"
#include "startup/main_setup.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

TEST(MainSetup, WindowStepsRunBetweenReminderArgumentModesAndDebugWindow) {
    fakes::FakePlatform fake;
    fake.windows.AddTopLevel(u"Veltra DQA TEST", u"Notepad2");
    VT5Record vt5;
    std::vector<std::string> steps;
    const MainSetupHooks hooks{
        [&] { steps.push_back("icon, reminder " + std::to_string(vt5.bReminderStart) + ", modes shown " +
                              std::to_string(fake.messageBox.shown.size())); },
        [&](const TestModes& modes) {
            steps.push_back("title, dqa " + std::to_string(modes.dqa) + ", work path '" +
                            std::string(vt5.sWorkPath.begin(), vt5.sWorkPath.end()) + "'");
        }};
    RunMainSetup(fake.platform, vt5, u"/REMINDER", hooks);
    EXPECT_THAT(steps, ::testing::ElementsAre("icon, reminder 1, modes shown 0", "title, dqa 1, work path ''"));
    EXPECT_FALSE(vt5.sWorkPath.empty());
}

// Without the debug window no editor starts; a path too long for the work path stops the
// identification before the operating system, with a message.
TEST(MainSetup, AnExecutablePathTooLongForTheWorkPathIsRefusedWithAMessage) {
    fakes::FakePlatform fake;
    fake.processInfo.path = u"C:\\" + std::u16string(260, u'x') + u"\\veltra.exe";
    VT5Record vt5;
    const MainSetupResult result = RunMainSetup(fake.platform, vt5, u"");
    EXPECT_FALSE(result.identified);
    EXPECT_FALSE(result.modes.debug);
    EXPECT_TRUE(fake.launcher.started.empty());
    EXPECT_FALSE(ProcessDebugLog().Enabled());
    ASSERT_EQ(fake.messageBox.shown.size(), 1u);
    EXPECT_EQ(fake.messageBox.shown[0].second, u"Veltra 5");
    EXPECT_EQ(vt5.nOS, 0);
}

}  // namespace
}  // namespace veltra
