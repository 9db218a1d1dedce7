#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/debug_log.h"
#include "core/program_version.h"
#include "core/text.h"
#include "cli/cli_app.h"
#include "cli/plain_text.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_wmi.h"

namespace veltra::testing {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// One run of the console program over the model platform: its exit code and its output.
struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

CliRun RunCommand(fakes::FakePlatform& fake, const std::vector<std::u16string>& arguments) {
    std::ostringstream out, err;
    fakes::FakeWmi wmi;
    const int exitCode = RunCli(arguments, fake.platform, wmi, out, err);
    return {exitCode, out.str(), err.str()};
}

// The report in both forms: the work folder, the version, an unknown board, the installed
// tools and drivers (the drivers' sub-keys are listed), and the debug lines on standard error.
TEST(Cli, IdentifyFillsInTheWorkFolderTheVersionAndAnUnknownBoard) {
    fakes::FakePlatform fake;
    fake.processInfo.path = u"C:\\Tools\\veltra-cli.exe";
    fake.registry.SetHklm(u"SOFTWARE\\Norva\\Veltra Series\\", u"AppVersion", u"5.0.3");
    fake.PlaceDriverFiles();
    CliRun run = RunCommand(fake, {u"identify"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_THAT(run.out, StartsWith("VT5.sWorkPath=C:\\Tools\\\nVT5.sInstallDir=\nVT5.sAppVersion=5.0.3\n"));
    EXPECT_THAT(run.out, HasSubstr("\nVT5.cMB_Model=UNKNOWN\nVT5.cMB_BIOS_Version=UNKNOWN\nVT5.cMB_BIOS_Vendor=\n"));
    EXPECT_EQ(run.err, "");

    fakes::FakePlatform other;
    other.PlaceDriverFiles();
    other.fileSystem.AddFolder(u"D:\\W\u00E4rk");
    other.registry.SetHklm(u"SOFTWARE\\Norva\\Drivers\\Norva HD Audio Driver", u"Version", u"6.0");
    other.registry.SetHklm(u"SOFTWARE\\Norva\\Live Monitor", u"AppVersion", u"1.02");
    run = RunCommand(other, {u"identify", u"--json", u"--work", u"D:\\W\u00E4rk", u"--debug"});
    EXPECT_THAT(run.out, StartsWith("{\"VT5\":{\"sWorkPath\":\"D:\\\\W\xC3\xA4rk\\\\\",\"sInstallDir\":\"\",\"sAppVersion\":\"" +
                                    Utf16ToUtf8(ProgramVersion()) + "\","));
    EXPECT_THAT(run.out, EndsWith(",\"dqaTest\":false,\"nvidiaDriverVersion\":\"\",\"installed\":{\"Norva HD Audio Driver\":\"6.0\",\"Norva Live Monitor\":\"1.02\"}}\n"));
    EXPECT_THAT(run.err, StartsWith("0000 :  Work path = D:\\W\xC3\xA4rk\\\n"));
    EXPECT_FALSE(ProcessDebugLog().Enabled());
}

TEST(Cli, BadCommandLinesGiveOneLineAndExitCode2) {
    fakes::FakePlatform fake;
    for (const auto& arguments : std::vector<std::vector<std::u16string>>{
             {}, {u"--bogus"}, {u"frobnicate"}, {u"identify", u"--work"}, {u"identify", u"extra"}, {u"verify", u"--tree"},
             {u"verify", u"--server"}, {u"check", u"--identity"}, {u"scan", u"--categories"}, {u"check", u"--categories", u"0"},
             {u"check", u"--categories", u"128"}, {u"check", u"--categories", u"mb-bios,"}, {u"download", u"100000"},
             {u"reminder", u"set"}, {u"reminder", u"set", u"yearly"}, {u"reminder", u"set", u"week", u"--weekday", u"funday"},
             {u"reminder", u"set", u"month", u"--date", u"32"}, {u"reminder", u"set", u"month", u"--date", u"0"},
             {u"reminder", u"set", u"month", u"--date", u"031"}, {u"reminder", u"set", u"month", u"--date"},
             {u"reminder", u"--date", u"3"}, {u"reminder", u"clear"}, {u"history", u"set"}}) {
        const CliRun run = RunCommand(fake, arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_THAT(run.err, StartsWith("veltra-cli: "));
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

// Help and the version answer at once, whatever follows them on the line.
TEST(Cli, HelpAndVersionAnswerAtOnce) {
    fakes::FakePlatform fake;
    for (const char16_t* help : {u"--help", u"-h"})
        EXPECT_THAT(RunCommand(fake, {u"scan", help, u"--bogus"}).out, StartsWith("Usage: veltra-cli COMMAND [OPTIONS]\n"));
    const CliRun run = RunCommand(fake, {u"scan", u"--version", u"--bogus"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "veltra-cli " + Utf16ToUtf8(ProgramVersion()) + "\n");
}

// Refused before anything is written.
TEST(Cli, ABadWorkFolderIsRefusedWithOneLine) {
    const std::pair<std::u16string, std::string> cases[] = {
        {u"C:\\file.txt", "veltra-cli: the work folder \"C:\\file.txt\" is not a folder\n"},
        {u"C:\\locked\n", "veltra-cli: the work folder \"C:\\locked\\n\" is not a folder\n"},
        {u"C:\\locked", "veltra-cli: cannot write in the work folder \"C:\\locked\"\n"},
    };
    for (const auto& [folder, message] : cases) {
        fakes::FakePlatform fake;
        fake.PlaceDriverFiles();
        fake.fileSystem.AddFolder(u"C:\\");
        fake.fileSystem.AddFile(u"C:\\file.txt", {'x'});
        fake.fileSystem.MakeReadOnlyFolder(u"C:\\locked");
        const CliRun run = RunCommand(fake, {u"scan", u"--work", folder});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err, message);
        EXPECT_FALSE(fake.fileSystem.Exists(u"C:\\VT5") || fake.fileSystem.Exists(u"C:\\locked\\VT5"));
    }
}

TEST(Cli, PlainOutputEscapesControlCharacters) {
    EXPECT_EQ(PlainText(std::string_view("a\nb\tc\rd\x1b[2Je\x7f\\f\xC2\x85g\xE2\x80\xA8h\xC3\xA4")),
              "a\\nb\\tc\\rd\\x1b[2Je\\x7f\\f\\u0085g\\u2028h\xC3\xA4");
    EXPECT_EQ(PlainText(std::u16string_view(u"x\u0000y", 3)), "x\\x00y");
}

class ReminderCommandTest : public ::testing::Test {
protected:
    ReminderCommandTest() {
        fake.processInfo.path = u"C:\\V\\veltra-cli.exe";
        fake.fileSystem.AddFolder(u"C:\\V\\VT5\\LOG");
        // Started last on Friday 2026-12-04 (UTC, the fake zone); today is Monday the 7th.
        fake.fileSystem.AddFile(u"C:\\V\\VT5\\LOG\\LastTime.rec", {0x80, 0x02, 0x12, 0x6B, 0, 0, 0, 0});
    }
    std::string Run(std::vector<std::u16string> arguments) {
        const CliRun run = RunCommand(fake, arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        return run.out;
    }
    fakes::FakePlatform fake;
};

TEST_F(ReminderCommandTest, SetWritesTheRecordAsApplyDoesAndReportsTheSchedule) {
    EXPECT_EQ(Run({u"reminder", u"set", u"week", u"--weekday", u"wednesday"}),
              "frequency: every week\nweekday: Wednesday\ndate: 01\nsaved: 2026/12/07 09:30:00\n"
              "due at start: no\ndue since last scan: yes\nnext reminder: 2026/12/09 00:00:00\n");
    const std::vector<unsigned char> stored = fake.fileSystem.Contents(u"C:\\V\\VT5\\LOG\\Reminder.rec");
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

}  // namespace
}  // namespace veltra::testing
