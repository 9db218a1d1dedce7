#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <algorithm>
#include <span>
#include <string>
#include <tuple>

#include "platform/win32/wide.h"
#include "platform/win32/win32_crypto.h"
#include "platform/win32/win32_update_host.h"

#include "support/child_process.h"
#include "support/source_tree.h"
#include "test_server.h"

namespace veltra {
namespace {

using winetest::ReadBytes;
using winetest::SourcePath;

using ::testing::HasSubstr;

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

    winetest::TestServer server_ = winetest::FindTestServer();
    // A blank in the folder: the launch must quote the path.
    winetest::ScratchFolder scratch_{winetest::ProgramFolder() + L"update flow work"};
    // Without the trailing backslash, which would escape the closing quote of --work.
    std::wstring work_ = scratch_.Path().substr(0, scratch_.Path().size() - 1);
    std::wstring markers_ = work_ + L"\\markers";
};

TEST_F(UpdateFlow, AnInstallerInAFolderOutsideTheCodePageStarts) {
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
    EXPECT_TRUE(winetest::PumpUntil([&] { return winetest::FileExists(markers_ + L"\\QB-7100.exe.ran"); }, 10000));
    EXPECT_EQ(ReadBytes(Log(L"History.rec")).size(), 712u);  // one history record
}

// A list another program holds without sharing it: the real sharing rules refuse the
// program's open, which is named with the reason and exit code 1, never "0 updates"; its
// bytes stay. (The read-only attribute cannot stand in here: the tests run as root, whom
// Wine's files do not refuse.)
TEST_F(UpdateFlow, AListHeldByAnotherProgramIsToldNotTakenForEmpty) {
    for (const wchar_t* folder : {L"\\VT5", L"\\VT5\\LOG"}) CreateDirectoryW((work_ + folder).c_str(), nullptr);
    const std::string results = ReadBytes(SourcePath(kDemoResults));
    winetest::WriteBytes(Log(L"CheckList.rec"), results);
    HANDLE held = CreateFileW(Log(L"CheckList.rec").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto run = Cli(L"list", Tree());
    CloseHandle(held);
    EXPECT_EQ(run.exitCode, 1u) << run.output;
    EXPECT_THAT(run.errors, HasSubstr("CheckList.rec: it cannot be read (access is denied or another program holds it). "
                                      "Nothing was changed."));
    EXPECT_TRUE(ReadBytes(Log(L"CheckList.rec")) == results);
}

// Someone between the PC and the server: an update file changed on the way, directly or
// behind a redirect, the other folder's signed list, and a signed list older than one
// accepted before (a replay). Each is
// refused with a message; the catalogues and results already here stay, no update file is
// kept or started and the history stays empty.
TEST_F(UpdateFlow, ChangedUpdatesAndReplayedListsAreRefused) {
    if (server_.attacks.empty()) GTEST_SKIP() << "the build pins no demo key, so the server has no attacked copies";
    ASSERT_EQ(Cli(L"scan", Tree()).exitCode, 0u);
    const std::string results = ReadBytes(Log(L"CheckList.rec"));
    EXPECT_TRUE(results == ReadBytes(SourcePath(kDemoResults))) << "the demo PC's nine updates";
    const std::wstring catalogue = work_ + L"\\VT5\\DL_INFO\\BIOSList.xml";
    const std::string catalogueBytes = ReadBytes(catalogue);
    auto expectRefused = [&](const std::wstring& command, const std::wstring& place, const char* says) {
        const auto run = Cli(command, place);
        EXPECT_EQ(run.exitCode, 1u) << run.output;
        EXPECT_THAT(run.output + run.errors, HasSubstr(says)) << run.output << run.errors;
        EXPECT_TRUE(ReadBytes(catalogue) == catalogueBytes) << place;
        EXPECT_TRUE(ReadBytes(Log(L"CheckList.rec")) == results) << place;
        EXPECT_FALSE(winetest::FileExists(work_ + L"\\VT5\\DL_FILE\\QB-7100.exe")) << place;
        EXPECT_FALSE(winetest::FileExists(Log(L"History.rec"))) << place;
        EXPECT_FALSE(winetest::FileExists(markers_ + L"\\QB-7100.exe.ran")) << place;
    };
    for (const wchar_t* place : {L"/update-changed", L"/redirect-same"}) {
        expectRefused(L"install 1", server_.attacks + place,
                      "is not the one the update server's signed file list gives");
    }
    expectRefused(L"scan", server_.attacks + L"/folder-swapped", "file list was signed for another folder");
    ASSERT_EQ(Cli(L"scan", server_.attacks + L"/newer").exitCode, 0u);
    expectRefused(L"scan", Tree(), "file list is older than one already used");
}

// A mirror is the server's tree copied by the test: served by nginx, or read as a folder by
// its drive path, its file: address or a share (the test server's root), it gives the demo PC what the server gives, and its
// update file arrives checked against the signed list; once that file is changed in the
// copy, it is refused from the folder as from the web server.
TEST_F(UpdateFlow, AMirrorServedOrReadAsAFolderGivesWhatTheServerGives) {
    // The result list, after the transfer lines, which name the addresses.
    auto Results = [](const std::string& output) { return output.substr(output.find('\n', output.rfind("downloaded\t")) + 1); };
    if (server_.attacks.empty()) GTEST_SKIP() << "the build pins no demo key, so nothing is checked";
    wchar_t stateFile[MAX_PATH * 4] = {};
    GetEnvironmentVariableW(L"VELTRA_TEST_SERVER_FILE", stateFile, MAX_PATH * 4);
    std::wstring served = stateFile;
    std::replace(served.begin(), served.end(), L'/', L'\\');
    // nginx serves the state folder's root/ at its base address.
    served = served.substr(0, served.rfind(L'\\')) + L"\\root\\mirror";
    winetest::ScratchFolder mirror{served};
    winetest::CopyTree(winetest::HostPath(VELTRA_SERVER_TREE), served);
    const std::wstring bios = L"\\XBIOS\\QB-7100\\130\\QB-7100.exe", saved = work_ + L"\\VT5\\DL_FILE\\QB-7100.exe";
    const auto scan = Cli(L"scan", Tree());
    ASSERT_EQ(scan.exitCode, 0u) << scan.output << scan.errors;
    std::wstring fileUrl = L"file:///" + served;
    std::replace(fileUrl.begin(), fileUrl.end(), L'\\', L'/');
    for (const std::wstring& place : {server_.base + L"/mirror", served, fileUrl, std::wstring(L"\\\\veltra-test\\root\\mirror")}) {
        const auto run = Cli(L"scan", place);
        EXPECT_EQ(run.exitCode, 0u) << run.errors;
        EXPECT_EQ(Results(run.output), Results(scan.output));
        EXPECT_TRUE(ReadBytes(Log(L"CheckList.rec")) == ReadBytes(SourcePath(kDemoResults)));
        DeleteFileW(saved.c_str());
        const auto download = Cli(L"download 1", place);
        EXPECT_EQ(download.exitCode, 0u) << download.output << download.errors;
        EXPECT_TRUE(ReadBytes(saved) == ReadBytes(served + bios)) << place;
    }
    std::string changed = ReadBytes(served + bios);
    changed.back() ^= 1;
    winetest::WriteBytes(served + bios, changed);
    for (const std::wstring& place : {server_.base + L"/mirror", served}) {
        DeleteFileW(saved.c_str());
        ASSERT_EQ(Cli(L"scan", place).exitCode, 0u);
        const auto download = Cli(L"download 1", place);
        EXPECT_EQ(download.exitCode, 1u) << download.output;
        EXPECT_THAT(download.output + download.errors, HasSubstr("is not the one the update server's signed file list gives"));
        EXPECT_FALSE(winetest::FileExists(saved));
    }
    // A file of the share that another program holds open without sharing cannot be read:
    // the transfer fails with that reason, and nothing is saved.
    const HANDLE held = CreateFileW((served + bios).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    DeleteFileW(saved.c_str());
    const auto locked = Cli(L"download 1 --debug", served);
    CloseHandle(held);
    EXPECT_EQ(locked.exitCode, 1u) << locked.output;
    EXPECT_THAT(locked.errors, HasSubstr("QB-7100.exe cannot be read (error 32)"));
    EXPECT_FALSE(winetest::FileExists(saved));
}

// verify against a server that never answers ends at its deadline, says what it did not
// reach, and fails.
TEST_F(UpdateFlow, VerifyOfAServerEndsAtItsDeadline) {
    const ULONGLONG started = GetTickCount64();
    const auto run = winetest::RunChild(L"\"" + winetest::ProgramFolder() + L"veltra-cli.exe\" verify --deadline 2 --work \"" + work_ +
                                            L"\" --server " + server_.hostile + L"/silence",
                                        30000);
    EXPECT_LT(GetTickCount64() - started, 8000u);
    EXPECT_EQ(run.exitCode, 1u) << run.output << run.errors;
    EXPECT_EQ(run.output, "DataBase/manifest.txt: not reached in time\nDQATest/manifest.txt: not reached in time\n");
}

// Gives everyone the right to add and delete files in the folder.
void OpenToEveryone(const std::wstring& folder) {
    PSID everyone = nullptr;
    ASSERT_TRUE(ConvertStringSidToSidW(L"S-1-1-0", &everyone));
    EXPLICIT_ACCESSW access{};
    BuildExplicitAccessWithNameW(&access, nullptr, GENERIC_ALL, GRANT_ACCESS, SUB_CONTAINERS_AND_OBJECTS_INHERIT);
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.ptstrName = static_cast<LPWSTR>(everyone);
    PACL dacl = nullptr;
    ASSERT_EQ(SetEntriesInAclW(1, &access, nullptr, &dacl), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(SetNamedSecurityInfoW(const_cast<LPWSTR>(folder.c_str()), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                    nullptr, dacl, nullptr),
              static_cast<DWORD>(ERROR_SUCCESS));
    LocalFree(dacl);
    LocalFree(everyone);
}

// The bytes checked are the bytes that run: a program changed after its transfer was
// checked, or held open for writing by someone else, is not started; nor is one in a
// folder where others could put libraries beside it.
TEST(ProgramStarter, StartsOnlyTheBytesTheSignedListGives) {
    winetest::ScratchFolder folder{winetest::ProgramFolder() + L"starter-test"};
    SetEnvironmentVariableW(L"VELTRA_UPDATE_MARKER_DIR", folder.Path().c_str());
    const std::string good = ReadBytes(winetest::ProgramFolder() + L"update-stub.exe");
    ASSERT_GT(good.size(), 1024u);
    Win32Crypto crypto;
    const auto hash = crypto.NewSha256();
    hash->Add(std::span(reinterpret_cast<const std::uint8_t*>(good.data()), good.size()));
    const ExpectedFile expected{good.size(), hash->Finish()};
    std::string changed = good;
    changed[changed.size() - 1] ^= 1;  // past the code: it would still run
    const std::wstring open = folder.Path(L"open");
    CreateDirectoryW(open.c_str(), nullptr);
    OpenToEveryone(open);
    Win32ProgramStarter starter;
    int row = 0;
    const std::tuple<const std::string*, bool, const wchar_t*, unsigned> rows[] = {
        {&good, false, L"", 33}, {&changed, false, L"", kStartNotAsChecked}, {&good, true, L"", kStartNotAsChecked},
        {&good, false, L"open\\", kStartFolderOpen}};
    for (const auto& [bytes, heldForWriting, subfolder, outcome] : rows) {
        const bool started = outcome > 31;
        const std::wstring program = folder.Path(subfolder + (L"setup" + std::to_wstring(++row) + L".exe"));
        winetest::WriteBytes(program, *bytes);
        HANDLE writer = heldForWriting ? CreateFileW(program.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                     nullptr, OPEN_EXISTING, 0, nullptr)
                                       : INVALID_HANDLE_VALUE;
        const unsigned result = starter.Start(FromWide(program), FromWide(program), expected);
        if (writer != INVALID_HANDLE_VALUE) CloseHandle(writer);
        EXPECT_EQ(result, outcome) << row;
        EXPECT_EQ(winetest::PumpUntil([&] { return winetest::FileExists(folder.Path(L"setup" + std::to_wstring(row) + L".exe.ran")); },
                                      started ? 10000 : 1000),
                  started) << row;
    }
    SetEnvironmentVariableW(L"VELTRA_UPDATE_MARKER_DIR", nullptr);
}

}  // namespace
}  // namespace veltra
