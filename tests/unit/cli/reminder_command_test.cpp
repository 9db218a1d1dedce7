#include <gtest/gtest.h>

#include <algorithm>

#include "cli_run.h"

namespace veltra::testing {
namespace {

constexpr char16_t kReminder[] = u"C:\\V\\VT5\\LOG\\Reminder.rec";

class ReminderCommandTest : public ::testing::Test {
protected:
    ReminderCommandTest() {
        fake.processInfo.path = u"C:\\V\\veltra-cli.exe";
        fake.fileSystem.AddFolder(u"C:\\V\\VT5\\LOG");
        // Started last on Friday 2026-12-04 (UTC, the fake zone); today is Monday the 7th.
        fake.fileSystem.AddFile(u"C:\\V\\VT5\\LOG\\LastTime.rec", {0x80, 0x02, 0x12, 0x6B, 0, 0, 0, 0});
    }
    std::string Run(std::vector<std::u16string> arguments, int expectedExit = 0) {
        const CliRun run = RunCommand(fake, arguments);
        EXPECT_EQ(run.exitCode, expectedExit) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), expectedExit == 0 ? 0 : 1) << run.err;
        return run.out;
    }
    fakes::FakePlatform fake;
};

TEST_F(ReminderCommandTest, SetWritesTheRecordAsApplyDoesAndReportsTheSchedule) {
    EXPECT_EQ(Run({u"reminder", u"set", u"week", u"--weekday", u"wednesday"}),
              "frequency: every week\nweekday: Wednesday\ndate: 01\nsaved: 2026/12/07 09:30:00\n"
              "due at start: no\ndue since last scan: yes\nnext reminder: 2026/12/09 00:00:00\n");
    const std::vector<unsigned char> stored = fake.fileSystem.Contents(kReminder);
    const std::vector<unsigned char> expected{0, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0, 0xEA, 0x07, 12, 0,
                                              1, 0, 7, 0, 9, 0, 30, 0, 0, 0, 0, 0};
    EXPECT_EQ(stored, expected);

    // Monday is among Friday to Monday, the days since the last start: due now.
    EXPECT_EQ(Run({u"reminder", u"set", u"WEEK", u"--weekday", u"Monday", u"--json"}),
              "{\"frequency\":\"every week\",\"weekday\":\"Monday\",\"date\":1,\"saved\":\"2026/12/07 09:30:00\","
              "\"dueAtStart\":true,\"dueSinceLastScan\":true,\"next\":\"2026/12/14 00:00:00\"}\n");
    EXPECT_TRUE(Run({u"reminder", u"set", u"3months", u"--date", u"31"})
                    .starts_with("frequency: every 3 months\nweekday: Monday\ndate: 31\n"));
    EXPECT_TRUE(Run({u"reminder"}).ends_with("next reminder: 2027/03/31 00:00:00\n"));
    EXPECT_TRUE(Run({u"reminder", u"set", u"never", u"--json"}).ends_with(",\"next\":null}\n"));
}

TEST_F(ReminderCommandTest, BadSchedulesAreRefusedWithoutWriting) {
    for (const std::vector<std::u16string>& arguments : std::vector<std::vector<std::u16string>>{
             {u"reminder", u"set"}, {u"reminder", u"set", u"yearly"}, {u"reminder", u"set", u"week", u"--weekday", u"funday"},
             {u"reminder", u"set", u"month", u"--date", u"32"}, {u"reminder", u"set", u"month", u"--date", u"0"},
             {u"reminder", u"set", u"month", u"--date", u"031"}, {u"reminder", u"set", u"month", u"--date"},
             {u"reminder", u"--date", u"3"}, {u"reminder", u"clear"}, {u"history", u"set"}}) {
        Run(arguments, 2);
        EXPECT_FALSE(fake.fileSystem.HasFile(kReminder));
    }
}

}  // namespace
}  // namespace veltra::testing
