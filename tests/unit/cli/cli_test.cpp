#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/debug_log.h"
#include "core/program_version.h"
#include "core/text.h"
#include "cli/plain_text.h"
#include "cli_run.h"

namespace veltra::testing {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

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
             {u"verify", u"--server"}, {u"check", u"--identity"}, {u"scan", u"--categories"},
             {u"download", u"100000"}}) {
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

}  // namespace
}  // namespace veltra::testing
