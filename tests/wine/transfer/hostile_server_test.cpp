#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <memory>

#include "core/text.h"
#include "core/vt5_record.h"
#include "transfer/test_server.h"
#include "fakes/fake_platform.h"
#include "fakes/recording_debug_sink.h"
#include "fakes/recording_download_target.h"
#include "platform/win32/wide.h"
#include "support/child_process.h"
#include "support/source_tree.h"
#include "transfer/download_engine.h"
#include "transfer/win32/win32_url_transfers.h"

namespace veltra {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;

// Short limits, so every hang ends within seconds; the stall limit leaves a slow transfer on
// a machine busy with builds its pauses.
constexpr TransferLimits kTestLimits{3000, 8000, 4u << 20, 1u << 20, 5, false};
constexpr DWORD kLongestCaseMs = 8000 + 3000;

struct HostileCase {
    const wchar_t* path;  // on the hostile server; "nginx:" or "refused:" for the others
    int mode;          // kModeCatalogue or kModeBatch (an update file)
    std::size_t kept;  // the bytes of a whole good reply, 0 when the earlier copy must stay
    const char* why;  // the log line that says why, or empty
};

// One reply per row: what it does is in hostile_server.py.
const HostileCase kCases[] = {
    {L"/good", kModeCatalogue, 20000, ""},
    {L"nginx:/slow/medium.bin", kModeBatch, 1u << 20, ""},  // trickles in over seconds
    {L"nginx:/chunked/medium.bin", kModeCatalogue, 1u << 20, ""},  // no length: no total
    {L"/reset", kModeCatalogue, 0, ""},
    {L"/cut/large.bin", kModeBatch, 0, "Transfer failed: 200000 of 1000000 bytes"},
    {L"/headers-then-silence", kModeBatch, 0, "Transfer stalled"},
    {L"/silence", kModeCatalogue, 0, "Transfer stalled"},
    {L"/self-redirect", kModeCatalogue, 0, ""},
    {L"/endless", kModeCatalogue, 0, "Transfer failed: more than 1048576 bytes"},
    {L"/endless/file", kModeBatch, 0, "Transfer failed: more than 4194304 bytes"},
    {L"/gzip-bomb", kModeCatalogue, 0, "Transfer failed: more than 1048576 bytes"},
    {L"/redirect-without-location", kModeCatalogue, 0, "Transfer failed: HTTP status 302"},
    {L"/redirect-other-host", kModeBatch, 0, ""},
    {L"/not-http", kModeCatalogue, 0, ""},
    {L"/gzip-cut", kModeBatch, 0, ""},
    {L"/chunked-cut", kModeBatch, 0, ""},
    {L"nginx:/missing.bin", kModeCatalogue, 0, "Transfer failed: HTTP status 404"},
    {L"refused:/large.bin", kModeCatalogue, 0, "Transfer failed: the service gave up"},
};

class HostileServer : public ::testing::TestWithParam<HostileCase> {
protected:
    void SetUp() override { ASSERT_FALSE(server.hostile.empty()) << "no hostile server in VELTRA_TEST_SERVER_FILE"; }
    std::wstring Url(const std::wstring& place) const {
        if (place.starts_with(L"nginx:")) return server.base + place.substr(6);
        if (place.starts_with(L"refused:")) return server.refused + place.substr(8);
        return server.hostile + place;
    }
    // Runs one transfer to its end, which must come within the longest limit, noting the
    // largest file the folder held meanwhile.
    void Download(const std::wstring& url, const wchar_t* name = L"kept.bin") {
        engine.URLDownload(FromWide(url), FromWide(folder.Path(name)));
        const auto ended = [&] {
            largestFile = std::max(largestFile, LargestFile());
            return page.nextItems != 0;
        };
        ASSERT_TRUE(winetest::PumpUntil(ended, kLongestCaseMs)) << "no end";
        EXPECT_FALSE(engine.Busy());
    }
    std::uint64_t LargestFile() const {
        std::uint64_t largest = 0;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(folder.Path(L"*").c_str(), &found);
        for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found))
            largest = std::max(largest, (std::uint64_t{found.nFileSizeHigh} << 32) | found.nFileSizeLow);
        if (search != INVALID_HANDLE_VALUE) FindClose(search);
        return largest;
    }

    winetest::TestServer server = winetest::FindTestServer();
    winetest::ScratchFolder folder{winetest::ProgramFolder() + L"hostile-test"};
    Win32UrlTransfers transfers;
    fakes::FakeMessageBox boxes;
    VT5Record vt5;
    fakes::RecordingDownloadTarget page;
    DownloadEngine engine{transfers, boxes, vt5, page, kTestLimits};
    fakes::ScopedDebugCapture capture;
    std::uint64_t largestFile = 0;
};

TEST_P(HostileServer, OnlyAWholeGoodReplyReplacesTheEarlierFile) {
    const HostileCase& row = GetParam();
    const std::string earlier = "earlier copy";
    winetest::WriteBytes(folder.Path(L"kept.bin"), earlier);
    vt5.nDownloadMode = row.mode;
    const std::wstring url = Url(row.path);
    Download(url);
    EXPECT_EQ(engine.nWebStop, row.kept == 0 ? kWebStopFailed : kWebStopNone);
    const std::vector<std::string> lines = capture.TakeTexts();
    const std::string kept = winetest::ReadBytes(folder.Path(L"kept.bin"));
    if (row.kept == 0) {
        EXPECT_THAT(lines, Contains("nWebStop = 2 : Server is busy or connect fail"));
        EXPECT_EQ(kept, earlier);
    } else {
        EXPECT_EQ(kept.size(), row.kept);
        EXPECT_EQ(kept[kept.size() - 1], static_cast<char>((row.kept - 1) % 251)) << "byte i is i mod 251";
        DWORD size = 0;
        EXPECT_FALSE(GetUrlCacheEntryInfoW(url.c_str(), nullptr, &size)) << "no copy in the URL cache";
    }
    EXPECT_THAT(folder.Files(), ElementsAre(L"kept.bin")) << "no temporary file is left";
    const TransferRules rules = kTestLimits.Rules(row.mode != kModeCatalogue);
    EXPECT_LE(largestFile, rules.maxBytes) << "nothing is written past the limit";
    EXPECT_TRUE(std::is_sorted(page.bar.begin(), page.bar.end())) << "progress only goes forward";
    if (*row.why != '\0') {
        EXPECT_THAT(lines, Contains(row.why));
    }
    EXPECT_TRUE(boxes.shown.empty() && boxes.stopShown.empty());
}

std::string CaseName(const ::testing::TestParamInfo<HostileCase>& row) {
    std::string name;
    for (const wchar_t* c = row.param.path; *c != 0 && *c != L'.'; ++c)
        if (iswalnum(*c)) name += static_cast<char>(*c);
    return name;
}
INSTANTIATE_TEST_SUITE_P(Replies, HostileServer, ::testing::ValuesIn(kCases), CaseName);

// What the transfer service reports, counted, with any report off the thread that started it.
class CountingEvents final : public IDownloadEvents {
public:
    void OnDownloadProgress(const DownloadProgress*) override { Count(notices); }
    void OnEndDownload() override { Count(ends); }
    void OnTransferTick(std::uint64_t) override { Count(ticks); }
    void OnStopRequested() override {}
    int notices = 0, ends = 0, ticks = 0, foreignThreadCalls = 0;

private:
    void Count(int& counter) {
        ++counter;
        foreignThreadCalls += GetCurrentThreadId() != thread_ ? 1 : 0;
    }
    DWORD thread_ = GetCurrentThreadId();
};

// A second start while one runs is refused, and destroying the service mid-transfer returns
// without waiting for the server and leaves no file.
TEST_F(HostileServer, ASecondStartIsRefusedAndDestroyingStopsTheWorker) {
    CountingEvents events;
    auto running = std::make_unique<Win32UrlTransfers>();
    const TransferRules rules{8u << 20, 5, false, false, std::nullopt};
    const auto start = [&](const wchar_t* place, const wchar_t* file) {
        return running->Start(FromWide(server.base + place), FromWide(folder.Path(file)), rules, events);
    };
    ASSERT_TRUE(start(L"/slow/medium.bin", L"slow.bin"));
    EXPECT_FALSE(start(L"/medium.bin", L"other.bin"));
    ASSERT_TRUE(winetest::PumpUntil([&] { return events.notices != 0; }, kLongestCaseMs));
    running.reset();  // must not hang on the worker's pending receive
    EXPECT_TRUE(folder.Files().empty());
    EXPECT_EQ(events.ends, 0);
    EXPECT_EQ(events.foreignThreadCalls, 0);
}

// A stop request (the console's Ctrl+C, the page's Esc) and a worker let go each end an
// endless body that arrives as fast as it can: the read loop stops at its next read, and
// the worker's file is gone within a second.
TEST_F(HostileServer, AStopOrALetGoEndsAFastBodyAtOnce) {
    const TransferRules rules{std::uint64_t{1} << 40, 5, false, false, std::nullopt};
    for (const bool letGo : {false, true}) {
        CountingEvents events;
        ASSERT_TRUE(transfers.Start(FromWide(server.hostile + L"/endless"), FromWide(folder.Path(L"endless.bin")), rules, events));
        ASSERT_TRUE(winetest::PumpUntil([&] { return LargestFile() > (8u << 20); }, kLongestCaseMs));
        if (letGo) {
            EXPECT_EQ(transfers.Abandon(true), u"1");
        } else {
            transfers.RequestStop();
            ASSERT_TRUE(winetest::PumpUntil([&] { return events.ends != 0; }, 1000)) << "the stop was not seen";
            EXPECT_EQ(transfers.Finish(), u"1");
        }
        EXPECT_TRUE(winetest::PumpUntil([&] { return folder.Files().empty(); }, 1000)) << "let go: " << letGo;
    }
}

// Another user who can write to the download folder plants hard links to a file elsewhere:
// at every temporary name they can guess, and at the target itself. No file outside the
// folder changes, no planted name is written through, and a target that is a link is
// refused rather than replaced, as a file that could not be saved (not a server failure).
TEST_F(HostileServer, LinksPlantedInTheFolderAreNeverWrittenThrough) {
    winetest::ScratchFolder elsewhere{winetest::ProgramFolder() + L"hostile-test-elsewhere"};
    const std::wstring precious = elsewhere.Path(L"precious.bin");
    winetest::WriteBytes(precious, "precious");
    vt5.nDownloadMode = kModeCatalogue;
    for (const bool targetIsLink : {false, true}) {
        std::vector<std::wstring> planted;
        if (targetIsLink) planted.push_back(L"kept.bin");
        for (int serial = 0; serial <= 20 && !targetIsLink; ++serial) planted.push_back(L"kept.bin." + std::to_wstring(serial) + L".part");
        for (const std::wstring& name : planted) {
            ASSERT_TRUE(CreateHardLinkW(folder.Path(name).c_str(), precious.c_str(), nullptr));
        }
        page.nextItems = 0;
        Download(server.base + L"/medium.bin");
        EXPECT_EQ(engine.nWebStop, targetIsLink ? kWebStopNotSaved : kWebStopNone);
        EXPECT_EQ(winetest::ReadBytes(precious), "precious");
        EXPECT_EQ(winetest::ReadBytes(folder.Path(L"kept.bin")).size(), targetIsLink ? 8u : 1u << 20);
        EXPECT_EQ(folder.Files().size(), targetIsLink ? 1u : 22u) << "nothing is added and no planted name removed";
        for (const std::wstring& name : folder.Files()) DeleteFileW(folder.Path(name).c_str());
    }
    EXPECT_THAT(capture.TakeTexts(), Contains(Utf16ToUtf8(FromWide(L"Transfer failed: " + folder.Path(L"kept.bin") + L" is not a plain file to replace"))));
    page.nextItems = 0;
    Download(server.base + L"/medium.bin", L"gone\\kept.bin");  // a folder that takes no file
    EXPECT_EQ(engine.nWebStop, kWebStopNotSaved);
}

TEST_F(HostileServer, AStopEndsASilentTransferWithinASecond) {
    winetest::WriteBytes(folder.Path(L"kept.bin"), "earlier copy");
    vt5.nDownloadMode = kModeSingle;
    engine.URLDownload(FromWide(server.hostile + L"/silence"), FromWide(folder.Path(L"kept.bin")));
    winetest::PumpUntil([] { return false; }, 300);  // the request is out, the reply will never come
    engine.RequestStop();
    ASSERT_TRUE(winetest::PumpUntil([&] { return page.nextItems != 0; }, 1000));
    EXPECT_EQ(engine.nWebStop, kWebStopUserBreak);
    EXPECT_THAT(capture.TakeTexts(), Contains("nWebStop = 1 : user break"));
    EXPECT_EQ(winetest::ReadBytes(folder.Path(L"kept.bin")), "earlier copy");
}

}  // namespace
}  // namespace veltra
