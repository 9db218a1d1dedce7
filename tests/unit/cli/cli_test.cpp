#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <sstream>

#include "../catalogue/catalogue_fixture.h"
#include "catalogue/result_list.h"
#include "cli/cli_app.h"
#include "cli/json_parse.h"
#include "cli/plain_text.h"
#include "cli/saved_identity.h"
#include "cli/update_services.h"
#include "core/byte_buffer.h"
#include "core/debug_log.h"
#include "core/last_scan.h"
#include "core/program_version.h"
#include "core/text.h"
#include "fakes/fake_message_pump.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_program_starter.h"
#include "fakes/fake_wmi.h"
#include "history/history.h"
#include "platform/folder_tree.h"
#include "platform/openssl/openssl_crypto.h"
#include "trust/manifest.h"
#include "rsa_signer.h"

namespace veltra::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// One run of the console program over the model platform: its exit code and its output.
struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

CliRun RunCommand(fakes::FakePlatform& fake, const std::vector<std::u16string>& arguments, UpdateServices* services = nullptr) {
    std::ostringstream out, err;
    fakes::FakeWmi wmi;
    const int exitCode = RunCli(arguments, fake.platform, wmi, out, err, services);
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

// A work folder the good lines could use, so only the line itself is refused.
TEST(Cli, BadCommandLinesGiveOneLineAndExitCode2) {
    fakes::FakePlatform fake;
    fake.processInfo.path = u"C:\\V\\veltra-cli.exe";
    fake.fileSystem.AddFolder(u"C:\\V\\VT5\\LOG");
    for (const auto& arguments : std::vector<std::vector<std::u16string>>{
             {}, {u"--bogus"}, {u"frobnicate"}, {u"identify", u"--work"}, {u"identify", u"extra"}, {u"verify", u"--tree"},
             {u"verify", u"--server"}, {u"scan", u"--server", u"mirror"}, {u"check", u"--identity"}, {u"scan", u"--categories"}, {u"check", u"--categories", u"0"},
             {u"check", u"--categories", u"128"}, {u"check", u"--categories", u"mb-bios,"}, {u"download", u"100000"},
             {u"reminder", u"set"}, {u"reminder", u"set", u"yearly"}, {u"reminder", u"set", u"week", u"--weekday", u"funday"},
             {u"reminder", u"set", u"month", u"--date", u"32"}, {u"reminder", u"set", u"month", u"--date", u"0"},
             {u"reminder", u"set", u"month", u"--date", u"031"}, {u"reminder", u"set", u"month", u"--date"},
             {u"reminder", u"--date", u"3"}, {u"reminder", u"clear"}, {u"history", u"set"}, {u"verify", u"--deadline", u"0"},
             {u"verify", u"--deadline", u"86401"}, {u"verify", u"--deadline", u"9x"}, {u"scan", u"--deadline", u"5"},
             {u"verify", u"--tree", u"C:\\T", u"--deadline", u"5"}, {u"report"},
             {u"report", u"--identity", u"a", u"--json", u"--csv"}, {u"report", u"--identity", u"a", u"--html"},
             {u"report", u"--identity", u"a", u"--categories", u"mb-bios"},
             {u"check", u"--identity", u"a", u"b"}, {u"check", u"--csv"}, {u"scan", u"--html", u"p.html"}, {u"mirror"},
             {u"mirror", u"--to"}, {u"scan", u"--to", u"C:\\M"}, {u"verify", u"--prune"},
             {u"mirror", u"--to", u"C:\\M", u"--identity"}, {u"mirror", u"--to", u"C:\\M", u"--categories", u"mb-bios", u"a"},
             {u"mirror", u"--to", u"C:\\M", u"--html", u"p.html"}}) {
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
    // Direction marks, overrides and isolates; the dashes and quotes beside them stay.
    EXPECT_EQ(PlainText(std::string_view("\xE2\x80\x8E\xE2\x80\x8F\xE2\x80\xA9\xE2\x80\xAA\xE2\x80\xAE\xE2\x81\xA6\xE2\x81\xA9\xD8\x9C"
                                         "\xE2\x80\x94\xE2\x80\x9C")),
              "\\u200e\\u200f\\u2029\\u202a\\u202e\\u2066\\u2069\\u061c\xE2\x80\x94\xE2\x80\x9C");
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
    EXPECT_EQ(fake.fileSystem.Contents(u"C:\\V\\VT5\\LOG\\Reminder.rec"),
              (std::vector<unsigned char>{0, 0, 0, 0, 3, 0, 0, 0, 1, 0, 0, 0, 0xEA, 0x07, 12, 0, 1, 0, 7, 0, 9, 0, 30, 0, 0, 0, 0, 0}));

    // Monday is among Friday to Monday, the days since the last start: due now.
    EXPECT_EQ(Run({u"reminder", u"set", u"WEEK", u"--weekday", u"Monday", u"--json"}),
              "{\"frequency\":\"every week\",\"weekday\":\"Monday\",\"date\":1,\"saved\":\"2026/12/07 09:30:00\","
              "\"dueAtStart\":true,\"dueSinceLastScan\":true,\"next\":\"2026/12/14 00:00:00\"}\n");
    EXPECT_TRUE(Run({u"reminder", u"set", u"3months", u"--date", u"31"})
                    .starts_with("frequency: every 3 months\nweekday: Monday\ndate: 31\n"));
    EXPECT_TRUE(Run({u"reminder"}).ends_with("next reminder: 2027/03/31 00:00:00\n"));
    EXPECT_TRUE(Run({u"reminder", u"set", u"never", u"--json"}).ends_with(",\"next\":null}\n"));
}

constexpr char16_t kVdListFile[] = u"C:\\W\\VT5\\DL_INFO\\VDList.xml";
const std::u16string kCatalogues = u"http://up/DataBase/VT5/";

std::vector<unsigned char> Signature(const std::string& name) { return SourceFile("tests/fixtures/signatures/" + name); }

// A mirror folder's files and links, as a test sets them.
struct FakeFolderTree final : IFolderTree {
    bool IsLink(const std::u16string& path) override { return links.count(path) != 0; }
    std::vector<std::string> Files(const std::u16string&) override { return files; }
    std::set<std::u16string> links;
    std::vector<std::string> files;
};

struct UpdateCli {
    UpdateCli() {
        for (const char16_t* folder : {u"LOG", u"DL_INFO", u"DL_FILE"}) fake.fileSystem.AddFolder(u"C:\\W\\VT5\\" + std::u16string(folder));
        fake.fileSystem.AddFile(u"C:\\id\\demo.json", SourceFile("examples/identities/demo-pc.json"));
        for (const auto& [path, bytes] : BundledCatalogues("DataBase")) transfers.server[u"http://up/" + Utf8ToUtf16(path)] = bytes;
    }
    int Run(std::vector<std::u16string> arguments) {
        arguments.insert(arguments.end(), {u"--work", u"C:\\W", u"--server", u"http://up/"});
        if (!identity.empty()) arguments.insert(arguments.end(), {u"--identity", identity});
        transfers.startedUrls.clear();
        transfers.deletedCacheEntries.clear();
        const CliRun run = RunCommand(fake, arguments, &services);
        out = run.out;
        err = run.err;
        return run.exitCode;
    }
    void PinDemoKey() {
        services.crypto = &crypto;
        transfers.crypto = &crypto;
        services.updateKey = Signature("demo-public.der");
        transfers.server[u"http://up/DataBase/manifest.txt"] = Signature("manifest.txt");
        transfers.server[u"http://up/DataBase/manifest.sig"] = Signature("manifest.sig");
    }
    fakes::FakePlatform fake;
    fakes::FakeUrlTransfers transfers{fake.fileSystem};
    fakes::FakeProgramStarter starter{fake.fileSystem};
    fakes::FakeMessagePump pump{transfers};
    FakeFolderTree mirrorFolder;
    UpdateServices services{transfers, starter, pump, nullptr, {}, &mirrorFolder, true};
    OpenSslCrypto crypto;
    std::u16string identity = u"C:\\id\\demo.json";  // an option's value may end the line
    std::string out, err;
};

// A scan fetches the seven catalogues in order, forgets their cached copies, checks them and
// stamps the scan; download, install and history then work on its list.
TEST(CliUpdate, ScanDownloadInstallAndHistory) {
    UpdateCli cli;
    ASSERT_EQ(cli.Run({u"scan"}), 0) << cli.err;
    EXPECT_THAT(cli.transfers.startedUrls, ElementsAre(kCatalogues + u"DRVList.rec", kCatalogues + u"VIDDID.rec", u"http://up/DataBase/BIOSList.xml",
                                                       kCatalogues + u"VDList.xml", kCatalogues + u"VBList.xml", kCatalogues + u"VT5_LMU.xml",
                                                       kCatalogues + u"VT5_LOU.xml"));
    EXPECT_EQ(cli.transfers.deletedCacheEntries, cli.transfers.startedUrls);
    // The Windows program under Wine is held to the same bytes.
    EXPECT_EQ(cli.fake.fileSystem.Contents(u"C:\\W\\VT5\\LOG\\CheckList.rec"), SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec"));
    EXPECT_EQ(GetDateTime(cli.fake.fileSystem.Contents(LastScanPath(u"C:\\W\\")), 0), cli.fake.clock.now);
    EXPECT_THAT(cli.err, HasSubstr("] 100% Download norva Utility information now ... 100 %"));
    cli.services.errorIsConsole = false;  // a pipe or a file gets no redrawn bar
    ASSERT_EQ(cli.Run({u"scan"}), 0) << cli.err;
    EXPECT_EQ(cli.err, "");

    cli.transfers.server[u"http://up/DVD/UTILITY/NORVA/NetBoost/12/SUtility.exe"] = {'M', 'Z'};
    EXPECT_EQ(cli.Run({u"download", u"7", u"6", u"--debug"}), 1);  // 6 is not on the server
    EXPECT_THAT(cli.err, HasSubstr(" :  _norva_UTL\n"));
    EXPECT_THAT(cli.out, StartsWith("Server is busy or connect fail\thttp://up/DVD/UTILITY/NORVA/LiveMonitor/105/SUtility.exe\t"
                                    "C:\\W\\VT5\\DL_FILE\\Norva_Live_Monitor_1.05.exe\n"
                                    "downloaded\thttp://up/DVD/UTILITY/NORVA/NetBoost/12/SUtility.exe\t"
                                    "C:\\W\\VT5\\DL_FILE\\Norva_Net_Boost_1.2.exe\n"
                                    "Download fail ... Norva Live Monitor\nSelect file has been downloaded \n"));
    EXPECT_THAT(cli.out, HasSubstr("\n8 updates\n"));

    cli.transfers.server[u"http://up/DVD/UTILITY/OTHER/MediaCodec/50/SUtility.exe"] = {'M', 'Z'};
    EXPECT_EQ(cli.Run({u"install", u"9", u"--json"}), 0) << cli.out;
    EXPECT_THAT(cli.out, HasSubstr("\"outcome\":\"downloaded\""));
    EXPECT_THAT(cli.out, HasSubstr("\"launch\":\"\""));
    EXPECT_THAT(cli.starter.started, ::testing::ElementsAre(u"C:\\W\\VT5\\DL_FILE\\Media_Codec_Pack_5.0.exe"));
    EXPECT_THAT(cli.starter.checked, ::testing::ElementsAre(false)) << "no key pinned: nothing to check against";

    EXPECT_EQ(cli.Run({u"history"}), 0);
    EXPECT_EQ(cli.out, "1\t2026/12/7\tnorva Utility\tNorva Net Boost\t1.2\n"
                       "2\t2026/12/7\tOther Utility\tMedia Codec Pack\t5.0\n2 downloads\n");
    EXPECT_EQ(cli.Run({u"install", u"7"}), 2);  // downloaded already: no longer listed
    EXPECT_THAT(cli.err, HasSubstr("no update numbered 7"));
}

// A download whose folder refuses the file, or whose history record cannot be written, is
// told with the file and the reason and ends with exit code 1; the earlier file stays.
TEST(CliUpdate, AFileOrRecordThatCannotBeSavedIsToldWithExitCode1) {
    const std::u16string saved = u"C:\\W\\VT5\\DL_FILE\\Media_Codec_Pack_5.0.exe";
    const struct {
        bool readOnlyFolder;
        std::string says;
        std::size_t started;
    } rows[] = {
        {true, "not saved: the file could not be written in its folder\thttp://up/DVD/UTILITY/OTHER/MediaCodec/50/"
               "SUtility.exe\tC:\\W\\VT5\\DL_FILE\\Media_Codec_Pack_5.0.exe\nCannot save C:\\W\\VT5\\DL_FILE\\"
               "Media_Codec_Pack_5.0.exe: its folder is read-only", 0},
        {false, "The update was downloaded, but it could not be added to the download history.\\nCannot open "
                "C:\\W\\VT5\\LOG\\History.rec: it is read-only", 1},
    };
    for (const auto& row : rows) {
        UpdateCli cli;
        cli.fake.fileSystem.AddFile(u"C:\\W\\VT5\\LOG\\CheckList.rec", SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec"));
        cli.fake.fileSystem.AddFile(saved, {'o', 'l', 'd'});
        cli.fake.fileSystem.AddFile(HistoryPath(u"C:\\W\\"), {});
        if (row.readOnlyFolder) {
            cli.fake.fileSystem.MakeReadOnlyFolder(u"C:\\W\\VT5\\DL_FILE");
        } else {
            cli.fake.fileSystem.MakeReadOnlyFile(HistoryPath(u"C:\\W\\"));
        }
        cli.transfers.server[u"http://up/DVD/UTILITY/OTHER/MediaCodec/50/SUtility.exe"] = {'M', 'Z'};
        EXPECT_EQ(cli.Run({u"install", u"9"}), 1) << row.says;
        EXPECT_THAT(cli.out, HasSubstr(row.says));
        EXPECT_EQ(cli.starter.started.size(), row.started) << row.says;
        EXPECT_EQ(cli.fake.fileSystem.Contents(saved), (row.started ? std::vector<unsigned char>{'M', 'Z'} : std::vector<unsigned char>{'o', 'l', 'd'}));
    }
}

TEST(CliUpdate, ManualScanBoxesAndAMachineThatCannotBeIdentified) {
    UpdateCli cli;
    EXPECT_EQ(cli.Run({u"scan", u"--categories", u"mb-bios"}), 0);
    EXPECT_THAT(cli.transfers.startedUrls, ElementsAre(u"http://up/DataBase/BIOSList.xml"));
    EXPECT_EQ(cli.Run({u"scan", u"--categories", u"mb-driver"}), 0);  // the hidden VIDDID box follows
    EXPECT_THAT(cli.transfers.startedUrls, ElementsAre(kCatalogues + u"DRVList.rec", kCatalogues + u"VIDDID.rec"));
    // A machine that cannot be identified is never scanned.
    cli.fake.fileSystem.AddFile(u"C:\\id\\demo.json", {'{', '}'});
    EXPECT_EQ(cli.Run({u"scan"}), 2);
    EXPECT_EQ(cli.err, "veltra-cli: identity field \"VT5\" is missing\n");
    EXPECT_TRUE(cli.transfers.startedUrls.empty());
}

// A manual scan of one category against a server whose list the demo key signs (the
// signature fixtures list DataBase/VT5/VDList.xml as "hello world\n"). A file the list
// leaves out is refused before its transfer, and the refusal alone gives exit code 1.
TEST(CliUpdate, AScanUsesOnlyWhatTheSignedListVouchesFor) {
    const std::vector<unsigned char> earlier = Bytes("earlier");
    const struct {
        std::string catalogue;
        const char16_t* category;
        std::vector<std::u16string> fetched;  // after the list and its signature
        std::vector<unsigned char> kept;
        int exitCode;
        std::string message;
        std::string list = "manifest";  // the signed list served as DataBase's
        std::string signature = list;
        std::vector<std::u16string> listFetches = {u"http://up/DataBase/manifest.txt", u"http://up/DataBase/manifest.sig"};
    } rows[] = {
        {"hello world\n", u"vga-driver", {kCatalogues + u"VDList.xml"}, Bytes("hello world\n"), 0, ""},
        // DQATest's own list served as DataBase's ends the scan before any catalogue.
        {"hello world\n", u"vga-driver", {}, earlier, 1,
         "veltra-cli: The update server's file list was signed for another folder than the one it came from.",
         "manifest-dqa"},
        // A list and a signature that do not match (a mirror between its two renames) are
        // fetched once more, and refused when they still do not match.
        {"hello world\n", u"vga-driver", {}, earlier, 1, "veltra-cli: The update server's file list is not signed by the maker.", "manifest", "manifest-dqa",
         {u"http://up/DataBase/manifest.txt", u"http://up/DataBase/manifest.sig", u"http://up/DataBase/manifest.txt",
          u"http://up/DataBase/manifest.sig"}},
        {"hello World\n", u"vga-driver", {kCatalogues + u"VDList.xml"}, earlier, 1, "veltra-cli: The downloaded file is not"},
        // A refused catalogue does not hold up the next, and its refusal alone sets the exit code.
        {"hello world\n", u"mb-bios,vga-driver", {kCatalogues + u"VDList.xml"}, Bytes("hello world\n"), 1,
         "veltra-cli: The file DataBase/BIOSList.xml from the update server is not in its signed file list."},
    };
    for (const auto& row : rows) {
        UpdateCli cli;
        cli.PinDemoKey();
        cli.transfers.server[u"http://up/DataBase/manifest.txt"] = Signature(row.list + ".txt");
        cli.transfers.server[u"http://up/DataBase/manifest.sig"] = Signature(row.signature + ".sig");
        cli.transfers.server[u"http://up/DataBase/VT5/VDList.xml"] = Bytes(row.catalogue);
        cli.fake.fileSystem.AddFile(kVdListFile, earlier);
        EXPECT_EQ(cli.Run({u"scan", u"--categories", row.category}), row.exitCode) << row.catalogue << cli.err;
        std::vector<std::u16string> fetched = row.listFetches;
        fetched.insert(fetched.end(), row.fetched.begin(), row.fetched.end());
        EXPECT_EQ(cli.transfers.startedUrls, fetched) << row.catalogue;
        EXPECT_EQ(cli.fake.fileSystem.Contents(kVdListFile), row.kept) << row.catalogue;
        EXPECT_THAT(cli.err, HasSubstr(row.message));
    }
}

// A signed list that cannot be kept on disk still holds for this scan; its signature is not kept without it.
TEST(CliUpdate, ASignedListThatCannotBeKeptStillHoldsForTheScan) {
    UpdateCli cli;
    cli.PinDemoKey();
    cli.transfers.server[u"http://up/DataBase/VT5/VDList.xml"] = Bytes("hello world\n");
    cli.fake.fileSystem.AddFolder(u"C:\\W\\VT5\\DL_INFO\\DataBase.manifest.txt");  // the list's place is taken
    EXPECT_EQ(cli.Run({u"scan", u"--categories", u"vga-driver", u"--debug"}), 0) << cli.err;
    EXPECT_EQ(cli.fake.fileSystem.Contents(kVdListFile), Bytes("hello world\n"));
    EXPECT_THAT(cli.err, HasSubstr(" :  The signed file list could not be kept\n"));
    EXPECT_FALSE(cli.fake.fileSystem.HasFile(u"C:\\W\\VT5\\DL_INFO\\DataBase.manifest.sig"));
}

// A download needs the list a scan accepted and kept: without one nothing is fetched or started.
TEST(CliUpdate, AnInstallWaitsForAnAcceptedList) {
    UpdateCli cli;
    cli.PinDemoKey();
    cli.fake.fileSystem.AddFile(u"C:\\W\\VT5\\LOG\\CheckList.rec", SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec"));
    EXPECT_EQ(cli.Run({u"install", u"1"}), 1);
    EXPECT_THAT(cli.err, HasSubstr("veltra-cli: Please scan for updates first"));
    EXPECT_TRUE(cli.transfers.startedUrls.empty());
    EXPECT_TRUE(cli.starter.started.empty());
}

// A record file the console cannot open is named with the reason and ends the command with
// exit code 1: never "0 updates" or "0 downloads", and the file keeps its bytes.
TEST(CliUpdate, ARecordFileThatCannotBeOpenedIsToldNotTakenForEmpty) {
    const std::u16string checkList = u"C:\\W\\VT5\\LOG\\CheckList.rec", history = u"C:\\W\\VT5\\LOG\\History.rec";
    const std::string readOnly = ": it is read-only, so it cannot be written. Nothing was changed.\n";
    const std::string unreadable = ": it cannot be read (access is denied or another program holds it). Nothing was changed.\n";
    const struct {
        std::vector<std::u16string> command;
        std::u16string refused;
        bool unreadable;
        std::string reason;
    } rows[] = {
        {{u"list"}, checkList, false, readOnly},
        {{u"list", u"--json"}, checkList, true, unreadable},
        {{u"download", u"2"}, checkList, false, readOnly},
        {{u"install", u"2"}, checkList, true, unreadable},
        {{u"check"}, checkList, false, readOnly},
        {{u"history"}, history, false, readOnly},
        {{u"history", u"--json"}, history, true, unreadable},
    };
    const std::vector<unsigned char> results = SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec");
    const std::vector<unsigned char> downloads(200, 'h');
    for (const auto& row : rows) {
        UpdateCli cli;
        cli.fake.fileSystem.AddFile(checkList, results);
        cli.fake.fileSystem.AddFile(history, downloads);
        if (row.unreadable) {
            cli.fake.fileSystem.MakeUnreadable(row.refused);
        } else {
            cli.fake.fileSystem.MakeReadOnlyFile(row.refused);
        }
        const std::string what = Utf16ToUtf8(row.command[0] + u" " + row.refused);
        EXPECT_EQ(cli.Run(row.command), 1) << what;
        // The update commands' progress line may come first.
        EXPECT_THAT(cli.err, ::testing::EndsWith("veltra-cli: Cannot open " + Utf16ToUtf8(row.refused) + row.reason)) << what;
        EXPECT_EQ(cli.out, "") << what;
        EXPECT_TRUE(cli.transfers.startedUrls.empty()) << what;
        EXPECT_EQ(cli.fake.fileSystem.Contents(checkList), results) << what;
        EXPECT_EQ(cli.fake.fileSystem.Contents(history), downloads) << what;
    }
    UpdateCli cli;  // a log folder that refuses the list's creation
    cli.fake.fileSystem.MakeReadOnlyFolder(u"C:\\W\\VT5\\LOG");
    EXPECT_EQ(cli.Run({u"list"}), 1);
    EXPECT_EQ(cli.err, "veltra-cli: Cannot open " + Utf16ToUtf8(checkList) +
                           ": it cannot be created there (the folder is read-only or access is denied). Nothing was changed.\n");
}

// verify on a server and on a local copy of its tree: both folders' signed lists, every listed file.
TEST(CliVerify, ATreeIsAsSignedOnlyWhileEveryListedFileIs) {
    UpdateCli cli;
    cli.PinDemoKey();
    auto place = [&cli](const std::string& path, const std::vector<unsigned char>& bytes) {
        cli.fake.fileSystem.AddFile(u"C:\\T\\" + Utf8ToUtf16(path), bytes);
        cli.transfers.server[u"http://up/" + Utf8ToUtf16(path)] = bytes;
    };
    auto placeList = [&place](const std::string& folder, const std::string& fixture) {
        for (const char* kind : {".txt", ".sig"}) place(folder + "/manifest" + kind, Signature(fixture + kind));
    };
    placeList("DataBase", "manifest");
    placeList("DQATest", "manifest-dqa");
    place("XBIOS/QB-7100/130/Read me.txt", Bytes("hello"));
    place("DataBase/VT5/VDList.xml", Bytes("hello world\n"));
    const std::vector<std::u16string> tree = {u"verify", u"--tree", u"C:\\T"}, server = {u"verify"};
    EXPECT_EQ(cli.Run(tree), 0) << cli.out << cli.err;
    EXPECT_THAT(cli.out, HasSubstr("\nok\tDataBase/VT5/VDList.xml\n"));
    // The server's files are fetched one at a time into a scratch file that goes afterwards.
    EXPECT_EQ(cli.Run({u"verify", u"--json"}), 0) << cli.out << cli.err;
    const std::string listed = R"("manifest":"accepted","sequence":1765152000,"expires":"2027-12-07T00:00:00Z",)"
                               R"("files":[{"path":"DataBase/VT5/VDList.xml","outcome":"ok"},)"
                               R"({"path":"XBIOS/QB-7100/130/Read me.txt","outcome":"ok"}]})";
    EXPECT_EQ(cli.out, R"({"folders":[{"folder":"DataBase",)" + listed + R"(,{"folder":"DQATest",)" + listed + "]}\n");
    EXPECT_FALSE(cli.fake.fileSystem.HasFile(u"C:\\W\\VT5\\DL_INFO\\verify.tmp"));
    EXPECT_EQ(cli.transfers.deletedCacheEntries, cli.transfers.startedUrls);  // no cached copy stands in
    // The maker's own list of one folder, served in the other, vouches for nothing there.
    placeList("DQATest", "manifest");
    EXPECT_EQ(cli.Run(server), 1);
    EXPECT_THAT(cli.out, HasSubstr("\nDQATest/manifest.txt: wrong folder: The update server's file list was signed for "
                                   "another folder than the one it came from. Nothing was updated.\n"));
    placeList("DQATest", "manifest-dqa");
    place("DQATest/manifest.sig", Signature("manifest-other-key.sig"));
    EXPECT_EQ(cli.Run(tree), 1);  // every file is as listed, but one list is not the maker's
    place("DataBase/VT5/VDList.xml", Bytes("hello World\n"));
    cli.transfers.server.erase(u"http://up/XBIOS/QB-7100/130/Read me.txt");
    for (const auto& [command, readMe] : {std::pair{tree, "ok"}, {server, "missing"}}) {
        EXPECT_EQ(cli.Run(command), 1);
        EXPECT_EQ(cli.out, "DataBase/manifest.txt: accepted, sequence 1765152000, expires 2027-12-07T00:00:00Z\n"
                           "hash mismatch\tDataBase/VT5/VDList.xml\n" + std::string(readMe) + "\tXBIOS/QB-7100/130/Read me.txt\n"
                           "DQATest/manifest.txt: bad signature: The update server's file list is not signed by the maker. "
                           "Nothing was updated.\n");
    }
}

// A signed list's file names reach the console escaped: a right-to-left override or a line
// separator in one cannot make it show as another name or another row.
TEST(CliVerify, FileNamesFromTheListAreEscaped) {
    UpdateCli cli;
    cli.PinDemoKey();
    cli.fake.fileSystem.AddFile(u"C:\\T\\DataBase\\manifest.txt", Signature("manifest-hidden-names.txt"));
    cli.fake.fileSystem.AddFile(u"C:\\T\\DataBase\\manifest.sig", Signature("manifest-hidden-names.sig"));
    EXPECT_EQ(cli.Run({u"verify", u"--tree", u"C:\\T"}), 1);
    EXPECT_EQ(cli.out, "DataBase/manifest.txt: accepted, sequence 1765152000, expires 2027-12-07T00:00:00Z\n"
                       "missing\tDataBase/\\u202etxt.exe\nmissing\tDataBase/a\\u2028b\nDQATest/manifest.txt: missing\n");
}

// A mirror run: both signed lists checked first, then the files the mirror lacks (paths its
// lists do not name yet before changed ones), each as signed; the lists placed last and only
// when every file is there; --prune removes what the new lists do not name.
TEST(CliMirror, FetchesWhatIsMissingChecksItAndPlacesTheListsLast) {
    const std::u16string vdList = u"DataBase/VT5/VDList.xml", readMe = u"XBIOS/QB-7100/130/Read me.txt";
    Manifest old{"DataBase", 1, 0, {{"old.bin", 3, {}}, {"DataBase/VT5/VDList.xml", 12, {}}}};
    const std::vector<unsigned char> oldList = Bytes(WriteManifest(old));
    old.sequence = 1765152001;
    const struct {
        std::map<std::u16string, std::vector<unsigned char>> held;  // in C:\M before the run
        std::u16string link;                                        // below C:\M
        std::vector<unsigned char> servedReadMe;
        std::vector<std::u16string> fetched;  // after both lists and signatures
        int exitCode;
        std::string message;
        bool prune = false;
        bool console = false;  // standard error: the line redrawn in place, or one line per file
    } rows[] = {
        {{}, u"", Bytes("hello"), {vdList, readMe}, 0, "file 2 of 2, 0 KiB of 0 KiB, 0 KiB/s: XBIOS/QB-7100/130/Read me.txt\n"},
        {{{vdList, Bytes("hello world\n")}}, u"", Bytes("hello"), {readMe}, 0,
         "\rfile 1 of 1, 0 KiB of 0 KiB, 0 KiB/s: XBIOS/QB-7100/130/Read me.txt\x1b[K\n", false, true},
        {{{vdList, Bytes("hello")}, {u"DataBase/manifest.txt", oldList}, {u"old.bin", Bytes("old")}}, u"", Bytes("hello"),
         {readMe, vdList}, 0, "", true},
        {{{u"DataBase/manifest.txt", Bytes(WriteManifest(old))}}, u"", Bytes("hello"), {readMe, vdList}, 1,
         "veltra-cli: DataBase/manifest.txt: The update server's file list is older than one already used"},
        {{}, u"", Bytes("hellO"), {vdList, readMe}, 1,
         "veltra-cli: XBIOS/QB-7100/130/Read me.txt: not the size and hash its signed list gives, so it was not kept\n"},
        {{}, u"XBIOS\\QB-7100", Bytes("hello"), {vdList}, 1,
         "veltra-cli: XBIOS/QB-7100/130/Read me.txt: a symbolic link or junction is in its way"},
    };
    for (const auto& row : rows) {
        UpdateCli cli;
        cli.PinDemoKey();
        cli.services.errorIsConsole = row.console;
        cli.identity.clear();  // a mirror is of the whole server
        for (const auto& [path, fixture] : {std::pair{u"DataBase/manifest", "manifest"}, {u"DQATest/manifest", "manifest-dqa"}}) {
            for (const char16_t* kind : {u".txt", u".sig"})
                cli.transfers.server[u"http://up/" + std::u16string(path) + kind] = Signature(fixture + Utf16ToUtf8(kind));
        }
        cli.transfers.server[u"http://up/" + vdList] = Bytes("hello world\n");
        cli.transfers.server[u"http://up/" + readMe] = row.servedReadMe;
        auto local = [](std::u16string path) {
            std::replace(path.begin(), path.end(), u'/', u'\\');
            return u"C:\\M\\" + path;
        };
        for (const auto& [path, bytes] : row.held) {
            cli.fake.fileSystem.AddFile(local(path), bytes);
            cli.mirrorFolder.files.push_back(Utf16ToUtf8(path));
        }
        if (!row.link.empty()) cli.mirrorFolder.links.insert(u"C:\\M\\" + row.link);
        std::vector<std::u16string> arguments = {u"mirror", u"--to", u"C:\\M\\"};
        if (row.prune) arguments.push_back(u"--prune");
        const std::string what = Utf16ToUtf8(row.fetched.back()) + " " + std::to_string(row.held.size());
        EXPECT_EQ(cli.Run(arguments), row.exitCode) << what << cli.err;
        std::vector<std::u16string> expected;
        for (const char16_t* list : {u"DataBase/manifest.txt", u"DataBase/manifest.sig", u"DQATest/manifest.txt", u"DQATest/manifest.sig"})
            expected.push_back(u"http://up/" + std::u16string(list));
        for (const std::u16string& path : row.fetched) expected.push_back(u"http://up/" + path);
        for (const char16_t* list : {u"DataBase/manifest.sig", u"DataBase/manifest.txt", u"DQATest/manifest.sig", u"DQATest/manifest.txt"})
            if (row.exitCode == 0) expected.push_back(u"http://up/" + std::u16string(list));
        EXPECT_EQ(cli.transfers.startedUrls, expected) << what;
        EXPECT_THAT(cli.err, HasSubstr(row.message)) << what;
        EXPECT_EQ(cli.fake.fileSystem.HasFile(local(readMe)), row.servedReadMe == Bytes("hello") && row.link.empty()) << what;
        EXPECT_EQ(cli.fake.fileSystem.Contents(local(u"DataBase/manifest.txt")),
                  row.exitCode == 0 ? Signature("manifest.txt") : row.held.count(u"DataBase/manifest.txt") ? row.held.at(u"DataBase/manifest.txt") : std::vector<unsigned char>{}) << what;
        EXPECT_EQ(cli.fake.fileSystem.HasFile(local(u"old.bin")), row.held.count(u"old.bin") != 0 && !row.prune) << what;
        EXPECT_FALSE(cli.fake.fileSystem.HasFile(u"C:\\W\\VT5\\DL_INFO\\mirror.tmp")) << what;
    }
}

// The bundled server's two folders with their catalogues and every update file, each folder's
// list signed by the demo key as the signing tool signs it; `unlisted` is served but not listed.
void ServeSignedDemoTree(UpdateCli& cli, const std::string& unlisted = "") {
    cli.PinDemoKey();
    std::string error;
    const std::unique_ptr<RsaSigner> signer = RsaSigner::Load(VELTRA_SOURCE_DIR "/examples/keys/demo-private.pem", error);
    ASSERT_TRUE(signer) << error;
    std::vector<std::pair<std::string, std::vector<unsigned char>>> files;
    std::istringstream list(std::string(reinterpret_cast<const char*>(SourceFile("examples/server/update-files.txt").data()),
                                        SourceFile("examples/server/update-files.txt").size()));
    for (std::string line; std::getline(list, line);) {
        if (line.starts_with("/")) files.emplace_back(line.substr(1), Bytes("MZ " + line));
    }
    for (const std::string folder : {"DataBase", "DQATest"}) {
        Manifest manifest{folder, 1765152000, 1828137600, {}};
        std::vector<std::pair<std::string, std::vector<unsigned char>>> listed = BundledCatalogues(folder);
        listed.insert(listed.end(), files.begin(), files.end());
        for (const auto& [path, bytes] : listed) {
            cli.transfers.server[u"http://up/" + Utf8ToUtf16(path)] = bytes;
            if (path == unlisted) continue;
            const std::unique_ptr<ISha256> hash = cli.crypto.NewSha256();
            hash->Add(bytes);
            manifest.files.push_back({path, bytes.size(), hash->Finish()});
        }
        const std::string text = WriteManifest(manifest);
        cli.transfers.server[u"http://up/" + Utf8ToUtf16(folder) + u"/manifest.txt"] = Bytes(text);
        const std::vector<std::uint8_t> signature = signer->Sign(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
        cli.transfers.server[u"http://up/" + Utf8ToUtf16(folder) + u"/manifest.sig"] = {signature.begin(), signature.end()};
    }
}

// A mirror of chosen categories holds their catalogues (both folders) and files; of chosen PCs,
// the catalogues and only the files their checks offer; both together, the PCs' files of those
// categories. The signed lists are always whole and placed last.
TEST(CliMirror, OfChosenPcsOrCategoriesHoldsTheirCataloguesAndFiles) {
    const std::vector<std::string> bios = {"XBIOS/QB-7100/130/QB-7100.exe", "XBIOS/QB-7100/131T/QB-7100.exe"};
    const std::vector<std::string> demoPc = {
        "XBIOS/QB-7100/130/QB-7100.exe", "DVD/DRIVER/Audio/6015919/SDriver.exe", "DVD/DRIVER/Chipset/9201021/SDriver.exe",
        "VGA/NV/191.07/setup.exe", "XVGA/QB-7600/A09/QB-7600.exe", "DVD/UTILITY/NORVA/LiveMonitor/105/SUtility.exe",
        "DVD/UTILITY/NORVA/NetBoost/12/SUtility.exe", "DVD/UTILITY/OTHER/ArchiveTool/920/SUtility.exe",
        "DVD/UTILITY/OTHER/MediaCodec/50/SUtility.exe"};
    const std::vector<std::string> all = {"BIOSList.xml", "VT5/DRVList.rec", "VT5/VIDDID.rec", "VT5/VDList.xml",
                                          "VT5/VBList.xml", "VT5/VT5_LMU.xml", "VT5/VT5_LOU.xml"};
    const struct {
        std::vector<std::u16string> selection;
        std::vector<std::string> catalogues;  // in both folders
        std::vector<std::string> files;
        std::string unlisted;
        std::string unserved;
        int exitCode;
        std::string message;
    } rows[] = {
        {{u"--categories", u"mb-bios"}, {"BIOSList.xml"}, bios, "", "", 0, ""},
        {{u"--categories", u"mb-driver,vga-driver"}, {"VT5/DRVList.rec", "VT5/VIDDID.rec", "VT5/VDList.xml"},
         {"DVD/DRIVER/Audio/6015919/SDriver.exe", "DVD/DRIVER/Chipset/9201021/SDriver.exe", "VGA/NV/191.07/setup.exe"}, "", "", 0, ""},
        {{u"--identity", u"C:\\id\\demo.json", u"C:\\id\\bad.json"}, all, demoPc, "", "", 0,
         "veltra-cli: skipped C:\\id\\bad.json: identity file is not JSON"},
        {{u"--identity", u"C:\\id\\demo.json", u"--categories", u"vga-bios,mb-bios"}, {"BIOSList.xml", "VT5/VBList.xml"},
         {"XBIOS/QB-7100/130/QB-7100.exe", "XVGA/QB-7600/A09/QB-7600.exe"}, "", "", 0, ""},
        {{u"--identity", u"C:\\id\\demo.json", u"--categories", u"vga-driver"}, {"VT5/VDList.xml"}, {}, "VGA/NV/191.07/setup.exe", "", 1,
         "veltra-cli: VGA/NV/191.07/setup.exe: the server's signed list does not name it, so it was not fetched\n"},
        {{u"--identity", u"C:\\id\\bad.json"}, {}, {}, "", "", 1, "veltra-cli: no identity could be read\n"},
        {{u"--identity", u"C:\\id\\demo.json"}, {}, {}, "", "DataBase/VT5/VT5_LOU.xml", 1,
         "veltra-cli: the catalogues could not be fetched from the update server\n"},
    };
    for (const auto& row : rows) {
        UpdateCli cli;
        cli.identity.clear();
        cli.fake.fileSystem.AddFile(u"C:\\id\\bad.json", Bytes("{"));
        ServeSignedDemoTree(cli, row.unlisted);
        cli.transfers.server.erase(u"http://up/" + Utf8ToUtf16(row.unserved));
        std::vector<std::u16string> arguments = {u"mirror", u"--to", u"C:\\M"};
        arguments.insert(arguments.end(), row.selection.begin(), row.selection.end());
        const std::string what = Utf16ToUtf8(row.selection.back());
        EXPECT_EQ(cli.Run(arguments), row.exitCode) << what << cli.err;
        EXPECT_THAT(cli.err, HasSubstr(row.message)) << what;
        std::set<std::string> expected(row.files.begin(), row.files.end());
        for (const std::string& catalogue : row.catalogues) expected.insert({"DataBase/" + catalogue, "DQATest/" + catalogue});
        if (row.exitCode == 0) {
            for (const char* list : {"DataBase/manifest.txt", "DataBase/manifest.sig", "DQATest/manifest.txt", "DQATest/manifest.sig"})
                expected.insert(list);
        }
        std::set<std::string> held;
        for (const auto& [url, bytes] : cli.transfers.server) {
            std::u16string local = u"C:\\M\\" + url.substr(std::u16string_view(u"http://up/").size());
            std::replace(local.begin(), local.end(), u'/', u'\\');
            if (cli.fake.fileSystem.HasFile(local)) held.insert(Utf16ToUtf8(url.substr(10)));
        }
        EXPECT_EQ(held, expected) << what;
    }
}

TEST(CliCheck, ChecksASavedIdentityWritesTheResultFileListsItAgainAndNarrowsByCategory) {
    UpdateCli cli;
    for (const auto& [path, bytes] : BundledCatalogues("DataBase"))  // where a scan leaves them
        cli.fake.fileSystem.AddFile(u"C:\\W\\VT5\\DL_INFO\\" + Utf8ToUtf16(path.substr(path.rfind('/') + 1)), bytes);
    EXPECT_EQ(cli.Run({u"check"}), 0) << cli.err;
    EXPECT_THAT(cli.out, StartsWith("1\tMB BIOS\tQB-7100\t1.20\t1.30\tQB-7100/130\n"
                                    "2\tMB Driver\tNorva HD Audio Driver\tUnknown\t6.0.1.5919\tAudio/6015919\n"));
    EXPECT_THAT(cli.out, ::testing::EndsWith("\n9 updates\n"));
    EXPECT_EQ(cli.fake.fileSystem.Contents(CheckListPath(u"C:\\W\\")), SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec"));
    const std::string checked = cli.out;
    EXPECT_EQ(cli.Run({u"list"}), 0);
    EXPECT_EQ(cli.out, checked);
    cli.Run({u"list", u"--json"});
    EXPECT_THAT(cli.out, StartsWith("{\"count\":9,\"rows\":[{\"index\":\"1\",\"flag\":\"N\",\"type\":\"MB BIOS\",\"item\":\"QB-7100\","
                                    "\"currentVersion\":\"1.20\",\"onlineVersion\":\"1.30\",\"webPath\":\"QB-7100/130\","
                                    "\"description\":\"Improves memory compatibility.\\r\\nAdds fan curve presets.\"}"));
    // Categories narrow the check by name or number.
    EXPECT_EQ(cli.Run({u"check", u"--categories", u"vga-bios,mb-bios,other-utility"}), 0);
    EXPECT_THAT(cli.out, HasSubstr("\tVGA BIOS\tQB-7600\t"));
    EXPECT_THAT(cli.out, ::testing::EndsWith("\n4 updates\n"));
    cli.Run({u"check", u"--categories", u"2"});
    EXPECT_EQ(cli.out, "1\tMB BIOS\tQB-7100\t1.20\t1.30\tQB-7100/130\n1 update\n");
}

// The catalogues are fetched once for the fleet and every readable identity is checked over
// them; a bad file is named and skipped, and this PC's own result list stays as it was.
TEST(CliReport, ChecksEveryIdentityOverCataloguesFetchedOnce) {
    UpdateCli cli;
    std::string newer(reinterpret_cast<const char*>(SourceFile("examples/identities/demo-pc.json").data()),
                      SourceFile("examples/identities/demo-pc.json").size());
    newer.replace(newer.find("\"1.20\""), 6, "\"1.30\"");
    newer.replace(newer.find("\"1.02\""), 6, "\"9.90\"");
    cli.fake.fileSystem.AddFile(u"C:\\id\\newer.json", Bytes(newer));
    cli.fake.fileSystem.AddFile(u"C:\\id\\bad.json", Bytes("{"));
    const std::vector<unsigned char> last = Bytes("this PC's last results");
    cli.fake.fileSystem.AddFile(CheckListPath(u"C:\\W\\"), last);
    ASSERT_EQ(cli.Run({u"report", u"--identity", u"C:\\id\\newer.json", u"C:\\id\\bad.json", u"C:\\id\\none.json",
                       u"--html", u"C:\\W\\fleet.html"}), 0) << cli.err;
    EXPECT_EQ(cli.transfers.startedUrls.size(), 7u);
    EXPECT_THAT(cli.err, StartsWith("veltra-cli: skipped C:\\id\\bad.json: identity file is not JSON: expected a member name at byte 1\n"
                                    "veltra-cli: skipped C:\\id\\none.json: cannot read the identity file C:\\id\\none.json\n"));
    // The newer PC is offered its own BIOS again and the two above it, as its own check does.
    EXPECT_EQ(cli.out, "2 PCs, 11 updates\n"
                       " 1  MB BIOS QB-7100 1.30: 2 of 2 PCs\n"
                       " 2  MB BIOS QB-7100 1.32: 1 of 2 PCs\n"
                       " 3  MB BIOS QB-7100 1.35: 1 of 2 PCs\n"
                       " 4  MB Driver Norva Chipset Driver 9.2.0.1021: 2 of 2 PCs\n"
                       " 5  MB Driver Norva HD Audio Driver 6.0.1.5919: 2 of 2 PCs\n"
                       " 6  VGA Driver NVIDIA 191.07: 2 of 2 PCs\n"
                       " 7  VGA BIOS QB-7600 62.94.1A.00.09: 2 of 2 PCs\n"
                       " 8  norva Utility Norva Live Monitor 1.05: 1 of 2 PCs\n"
                       " 9  norva Utility Norva Net Boost 1.2: 2 of 2 PCs\n"
                       "10  Other Utility Archive Tool 9.20: 2 of 2 PCs\n"
                       "11  Other Utility Media Codec Pack 5.0: 2 of 2 PCs\n"
                       "\n"
                       "Board    BIOS  Identity file     Updates\n"
                       "QB-7100  1.30  C:\\id\\newer.json  1 2 3 4 5 6 7 9 10 11\n"
                       "QB-7100  1.20  C:\\id\\demo.json   1 4 5 6 7 8 9 10 11\n");
    const std::vector<unsigned char> page = cli.fake.fileSystem.Contents(u"C:\\W\\fleet.html");
    const std::string html(page.begin(), page.end());
    EXPECT_THAT(html, HasSubstr("<td>MB BIOS QB-7100 1.32</td><td class=\"count\">1 of 2 PCs</td>"));
    EXPECT_THAT(html, HasSubstr("<td title=\"C:\\id\\demo.json\">demo.json</td><td>QB-7100</td><td>1.20</td><td class=\"mark\">x</td><td></td>"));
    EXPECT_EQ(cli.fake.fileSystem.Contents(CheckListPath(u"C:\\W\\")), last);
    cli.identity = u"C:\\id\\newer.json";
    EXPECT_EQ(cli.Run({u"check"}), 0);
    EXPECT_THAT(cli.out, HasSubstr("\tMB BIOS\tQB-7100\t1.30\t1.35\t"));
    EXPECT_THAT(cli.out, EndsWith("\n10 updates\n"));

    // Without a readable identity nothing is fetched; without the catalogues there is no report.
    cli.identity = u"C:\\id\\bad.json";
    EXPECT_EQ(cli.Run({u"report", u"--csv"}), 1);
    EXPECT_THAT(cli.err, EndsWith("veltra-cli: no identity could be read\n"));
    EXPECT_TRUE(cli.transfers.startedUrls.empty());
    cli.identity = u"C:\\id\\newer.json";
    cli.transfers.server.erase(u"http://up/DataBase/VT5/VT5_LOU.xml");
    EXPECT_EQ(cli.Run({u"report", u"--json"}), 1);
    EXPECT_EQ(cli.out, "");
    EXPECT_THAT(cli.err, EndsWith("Server is busy or connect fail\thttp://up/DataBase/VT5/VT5_LOU.xml\n"
                                  "veltra-cli: the catalogues could not be fetched from the update server\n"));
}

// The demo PC varied by its number: board, BIOS, system, devices, card and tools.
std::string GeneratedIdentity(const std::string& demo, int number) {
    std::string json = demo;
    auto replace = [&json](const std::string& from, const std::string& to) {
        const std::size_t at = json.find(from);
        if (at != std::string::npos) json.replace(at, from.size(), to);
    };
    if (number % 7 == 0) replace("\"cMB_Model\": \"QB-7100\"", "\"cMB_Model\": \"QB-7200\"");
    replace("\"cMB_BIOS_Version\": \"1.20\"", "\"cMB_BIOS_Version\": \"1." + std::to_string(10 + number % 30) + "\"");
    replace("\"Norva Live Monitor\": \"1.02\"", "\"Norva Live Monitor\": \"1.0" + std::to_string(number % 10) + "\"");
    if (number % 3 == 0) replace("\"9.1.0.1010\"", "\"9.2.0.1021\"");
    if (number % 4 == 0) replace("\"190.38\"", "\"191.07\"");
    if (number % 5 == 0) replace("\"62.94.1A.00.07\"", "\"62.94.1A.00.09\"");
    if (number % 6 == 0) replace("\"VEN_1F3C&DEV_2A22\",", "");
    if (number % 11 == 0) replace("\"nOS\": 4096,", "\"nOS\": 128,");
    return json;
}

// Each PC's updates as "type item online version": from the report's JSON, or a check's lines.
std::map<std::string, std::set<std::string>> NeedsInReport(const std::string& json) {
    const JsonParseResult parsed = ParseJson(json);
    std::map<std::string, std::set<std::string>> needs;
    if (!parsed.value) return needs;
    std::map<std::int64_t, std::string> labels;
    for (const JsonValue& update : *parsed.value->Member("updates")->AsArray()) {
        labels[*update.Member("number")->AsInteger()] = *update.Member("type")->AsString() + " " +
                                                         *update.Member("item")->AsString() + " " +
                                                         *update.Member("onlineVersion")->AsString();
    }
    for (const JsonValue& pc : *parsed.value->Member("pcs")->AsArray()) {
        std::set<std::string>& of = needs[*pc.Member("file")->AsString()];
        for (const JsonValue& need : *pc.Member("updates")->AsArray()) of.insert(labels[*need.Member("number")->AsInteger()]);
    }
    return needs;
}

std::set<std::string> NeedsInCheck(const std::string& lines) {
    std::set<std::string> needs;
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> columns;
        for (std::size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1) {
            tab = line.find('\t', start);
            columns.push_back(line.substr(start, tab - start));
        }
        if (columns.size() >= 5) needs.insert(columns[1] + " " + columns[2] + " " + columns[4]);
    }
    return needs;
}

// The example machines' identities and a thousand made from the demo PC's: the report lists
// for each PC exactly what "check --identity" of that PC finds over the same catalogues.
TEST(CliReport, AThousandPcsEachGetWhatTheirOwnCheckFinds) {
    UpdateCli cli;
    const std::vector<unsigned char> example = SourceFile("examples/identities/demo-pc.json");
    const std::string demo(example.begin(), example.end());
    std::vector<std::u16string> arguments = {u"report", u"--json", u"--identity"};
    for (const std::filesystem::directory_entry& file : std::filesystem::directory_iterator(VELTRA_SOURCE_DIR "/examples/identities")) {
        arguments.push_back(u"C:\\id\\" + file.path().filename().u16string());
        cli.fake.fileSystem.AddFile(arguments.back(), SourceFile("examples/identities/" + file.path().filename().string()));
    }
    const std::size_t examples = arguments.size() - 3;
    for (int number = 1; number <= 1000; ++number) {
        arguments.push_back(u"C:\\id\\pc-" + DecimalText(number) + u".json");
        cli.fake.fileSystem.AddFile(arguments.back(), Bytes(GeneratedIdentity(demo, number)));
    }
    cli.identity.clear();
    ASSERT_EQ(cli.Run(arguments), 0) << cli.err;
    const std::map<std::string, std::set<std::string>> report = NeedsInReport(cli.out);
    ASSERT_GE(examples, 9u);
    ASSERT_EQ(report.size(), examples + 1000);
    std::set<std::set<std::string>> kinds;
    for (const auto& [file, needs] : report) {
        cli.identity = Utf8ToUtf16(file);
        ASSERT_EQ(cli.Run({u"check"}), 0) << file << cli.err;
        EXPECT_EQ(needs, NeedsInCheck(cli.out)) << file;
        kinds.insert(needs);
    }
    EXPECT_GT(kinds.size(), 50u) << "the generated PCs should need many different sets of updates";
}

// Every card field of a saved identity is read (only some reach a check's result).
TEST(SavedIdentityFile, EveryCardFieldIsRead) {
    const std::vector<unsigned char> bytes = SourceFile("examples/identities/demo-pc.json");
    const SavedIdentityResult read = ParseSavedIdentity(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    ASSERT_TRUE(read.identity && read.identity->pVGA) << read.error;
    const VGAInfo& card = *read.identity->pVGA;
    EXPECT_EQ((std::vector<std::string>{Utf16ToUtf8(card.sVendor), Utf16ToUtf8(card.sBIOSVersion), Utf16ToUtf8(card.sBIOSText),
                                        Utf16ToUtf8(card.sModelNo), Utf16ToUtf8(card.sDriverVersion),
                                        Utf16ToUtf8(card.sProcessor), Utf16ToUtf8(card.sCardName), std::to_string(card.nDeviceID)}),
              (std::vector<std::string>{"NVIDIA", "62.94.1A.00.07", "QB-7600", "7600-512", "8.17.11.9038", "Norva GPU 7600",
                                        "QB-7600 512MB", "3741"}));
}

TEST(CliCheck, ABadIdentityFileGivesOneLineNamingTheProblem) {
    UpdateCli cli;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "identity file is not JSON: unexpected end at byte 0"},
        {"{}", "identity field \"VT5\" is missing"},
        {"{\"VT5\":{\"nOS\":4096,\"sOSCode\":\"W764\",\"cMB_Model\":\"QB-1\",\"cMB_BIOS_Version\":\"1\","
         "\"cMB_BIOS_Vendor\":\"v\",\"saPciIds\":[\"VEN_1&DEV_2\",3]}}",
         "identity field \"VT5.saPciIds[1]\" is not a text"},
        {std::string(100, '[') + std::string(100, ']'), "identity file is not JSON: nesting too deep at byte 65"},
        {"{\"a\":\"\\q\"}", "identity file is not JSON: bad escape in a string at byte 8"},
        {"{\"V\\u0054\\u0035\":{\"\\uD83D\\uDE00\\t\":1,\"nOS\":1.5}}", "identity file is not JSON: numbers must be integers at byte 44"},
        {"{\"V\\u0054\\u0035\":{\"nOS\":\"\\uD83D\\uDE00\\t\"}}", "identity field \"VT5.nOS\" is not a 32-bit integer"},
        {"{\"VT5\":{\"nOS\":-1}}", "identity field \"VT5.nOS\" is negative"},
        {std::string("\xFF\xFE{", 3), "identity file is not UTF-8 or UTF-16 text"},
        {std::string("\xFF\xFE[\0""1\0]\0", 8), "identity file is not a JSON object"},
    };
    // The last results stay as they were.
    const std::vector<unsigned char> last = SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec");
    cli.fake.fileSystem.AddFile(CheckListPath(u"C:\\W\\"), last);
    cli.identity = u"C:\\id\\x.json";
    for (const auto& [json, error] : cases) {
        cli.fake.fileSystem.AddFile(cli.identity, Bytes(json));
        EXPECT_EQ(cli.Run({u"check"}), 2) << json;
        EXPECT_EQ(cli.err, "veltra-cli: " + error + "\n") << json;
        EXPECT_EQ(cli.out, "");
        EXPECT_EQ(cli.fake.fileSystem.Contents(CheckListPath(u"C:\\W\\")), last) << json;
    }
    cli.identity = u"C:\\id\\none.json";
    EXPECT_EQ(cli.Run({u"check"}), 2);
    EXPECT_EQ(cli.err, "veltra-cli: cannot read the identity file C:\\id\\none.json\n");
    // 4 MiB is read whole; a byte more is not taken.
    cli.identity = u"C:\\id\\large.json";
    for (const auto& [size, error] : {std::pair{std::size_t{4 << 20}, "identity file is not JSON: unexpected end at byte 4194304"},
                                      {(4 << 20) + 1, "cannot read the identity file C:\\id\\large.json"}}) {
        cli.fake.fileSystem.AddFile(cli.identity, std::vector<unsigned char>(size, ' '));
        EXPECT_EQ(cli.Run({u"check"}), 2);
        EXPECT_EQ(cli.err, "veltra-cli: " + std::string(error) + "\n");
    }
}

}  // namespace
}  // namespace veltra::testing
