#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "support/child_process.h"
#include "support/source_tree.h"
#include "test_server.h"

namespace veltra {
namespace {

using winetest::ReadBytes;
using winetest::SourcePath;

using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr wchar_t kProgramKey[] = L"SOFTWARE\\Norva\\Veltra Series";
constexpr char kDemoResults[] = "tests/fixtures/catalogue/demo-pc-CheckList.rec";

// The sequence numbers of the signed lists accepted so far: each test starts without them.
void ForgetAcceptedLists() {
    for (const wchar_t* name : {L"ManifestSequence", L"ManifestSequenceDQA"}) RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kProgramKey, name);
}

// A work folder for veltra-cli, the demo PC's identity, and the test server's tree.
class UpdateFlow : public ::testing::Test {
protected:
    void SetUp() override {
        server_ = winetest::FindTestServer();
        ASSERT_FALSE(server_.base.empty()) << "no test server";
        CreateDirectoryW(markers_.c_str(), nullptr);
        SetEnvironmentVariableW(L"VELTRA_UPDATE_MARKER_DIR", markers_.c_str());
        ForgetAcceptedLists();
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"VELTRA_UPDATE_MARKER_DIR", nullptr);
        ForgetAcceptedLists();
    }
    std::wstring Tree() const { return server_.base + L"/tree"; }
    std::wstring Log(const std::wstring& name) const { return work_ + L"\\VT5\\LOG\\" + name; }
    winetest::ChildResult Cli(const std::wstring& arguments, const std::wstring& server) {
        return winetest::RunChild(L"\"" + winetest::ProgramFolder() + L"veltra-cli.exe\" " + arguments + L" --work \"" +
                                      work_ + L"\" --server " + server + L" --identity \"" +
                                      SourcePath("examples/identities/demo-pc.json") + L"\"",
                                  60000);
    }

    winetest::TestServer server_;
    // A blank in the folder: the launch must quote the path.
    winetest::ScratchFolder scratch_{winetest::ProgramFolder() + L"update flow work"};
    // Without the trailing backslash, which would escape the closing quote of --work.
    std::wstring work_ = scratch_.Path().substr(0, scratch_.Path().size() - 1);
    std::wstring markers_ = work_ + L"\\markers";
};

TEST_F(UpdateFlow, AutomaticScanFetchesEveryCatalogueAndWritesTheDemoPcsResults) {
    const auto scan = Cli(L"scan", Tree());
    EXPECT_EQ(scan.exitCode, 0u) << scan.output;
    EXPECT_THAT(scan.output, StartsWith("downloaded\thttp://127.0.0.1"));
    EXPECT_THAT(scan.output, HasSubstr("/tree/DataBase/VT5/VIDDID.rec\t"));
    EXPECT_THAT(scan.output, HasSubstr("/tree/DataBase/BIOSList.xml\t"));
    EXPECT_THAT(scan.output, HasSubstr("\n1\tMB BIOS\tQB-7100\t1.20\t1.30\tQB-7100/130\n"));
    EXPECT_THAT(scan.output, HasSubstr("\n9 updates\n"));
    EXPECT_TRUE(ReadBytes(Log(L"CheckList.rec")) == ReadBytes(SourcePath(kDemoResults)));
    EXPECT_EQ(ReadBytes(Log(L"Veltra.rec")).size(), 16u);
}

TEST_F(UpdateFlow, AnInstallerInAFolderOutsideTheCodePageStarts) {
    const std::wstring base = work_;
    work_ += L"\\\x65E5\x672C";
    // The demo PC's nine results and the tree's signed list, as the last scan left them.
    for (const wchar_t* folder : {L"", L"\\VT5", L"\\VT5\\LOG", L"\\VT5\\DL_INFO"})
        CreateDirectoryW((work_ + folder).c_str(), nullptr);
    winetest::WriteBytes(Log(L"CheckList.rec"), ReadBytes(SourcePath(kDemoResults)));
    for (const wchar_t* kind : {L"txt", L"sig"})
        CopyFileW((winetest::HostPath(VELTRA_SERVER_TREE) + L"\\DataBase\\manifest." + kind).c_str(),
                  (work_ + L"\\VT5\\DL_INFO\\DataBase.manifest." + kind).c_str(), FALSE);
    const auto run = Cli(L"install 1", Tree());
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_THAT(run.output, HasSubstr("Select file has been downloaded \nstarted\n"));
    const std::wstring marker = markers_ + L"\\QB-7100.exe.ran";
    EXPECT_TRUE(winetest::PumpUntil([&] { return GetFileAttributesW(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10000));
    EXPECT_EQ(ReadBytes(Log(L"History.rec")).size(), 712u);  // one history record
    work_ = base;
}

// What someone between the PC and the server serves, and what the program must say.
struct Attack {
    const wchar_t* place;       // below /attack/ (attack-trees, test-server)
    const wchar_t* command;
    bool scanFirst;             // the place's validly signed list is accepted first
    const char* says;           // on standard output or error
};

// Every attack is refused with a message; the catalogues and results already here stay,
// no update file is kept or started and the history stays empty. The attacks that take a
// signed list of their own come last: it stays in force for the next runs.
TEST_F(UpdateFlow, EveryAttackOnTheSignedUpdatesIsRefused) {
    if (server_.attacks.empty()) GTEST_SKIP() << "the build pins no demo key, so the server has no attacked copies";
    static constexpr char kNotAsSigned[] = "is not the one the update server's signed file list gives";
    static constexpr char kNotSigned[] = "file list is not signed by the maker";
    static constexpr Attack kAttacks[] = {
        {L"update-changed", L"install 1", false, kNotAsSigned},
        {L"redirect-same", L"install 1", false, kNotAsSigned},
        {L"redirect", L"install 1", false, "Server is busy or connect fail"},
        {L"catalogue-changed", L"scan", false, kNotAsSigned},
        {L"manifest-changed", L"scan", false, kNotSigned},
        {L"expired", L"scan", false, "file list has expired"},
        {L"unlisted", L"install 1", true, "QB-7100.exe from the update server is not in its signed file list"},
    };
    ASSERT_EQ(Cli(L"scan", Tree()).exitCode, 0u);
    const std::wstring catalogue = work_ + L"\\VT5\\DL_INFO\\BIOSList.xml";
    const std::string catalogueBytes = ReadBytes(catalogue);
    const std::string results = ReadBytes(Log(L"CheckList.rec"));
    auto expectNothingTaken = [&](const std::wstring& place) {
        EXPECT_TRUE(ReadBytes(catalogue) == catalogueBytes) << place;
        EXPECT_TRUE(ReadBytes(Log(L"CheckList.rec")) == results) << place;
        EXPECT_FALSE(winetest::FileExists(work_ + L"\\VT5\\DL_FILE\\QB-7100.exe")) << place;
        EXPECT_FALSE(winetest::FileExists(Log(L"History.rec"))) << place;
        EXPECT_FALSE(winetest::FileExists(markers_ + L"\\QB-7100.exe.ran")) << place;
    };
    for (const Attack& attack : kAttacks) {
        const std::wstring place = server_.attacks + L"/" + attack.place;
        if (attack.scanFirst) {
            ASSERT_EQ(Cli(L"scan", place).exitCode, 0u) << attack.place;
        }
        const auto run = Cli(attack.command, place);
        EXPECT_EQ(run.exitCode, 1u) << run.output;
        EXPECT_THAT(run.output + run.errors, HasSubstr(attack.says)) << run.output << run.errors;
        expectNothingTaken(place);
    }
    // A list older than one accepted before is a replay.
    ASSERT_EQ(Cli(L"scan", server_.attacks + L"/newer").exitCode, 0u);
    const auto replay = Cli(L"scan", Tree());
    EXPECT_EQ(replay.exitCode, 1u) << replay.output;
    EXPECT_THAT(replay.errors, HasSubstr("file list is older than one already used")) << replay.errors;
    expectNothingTaken(Tree());
}

}  // namespace
}  // namespace veltra
