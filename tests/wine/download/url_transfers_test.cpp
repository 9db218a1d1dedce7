#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <memory>

#include "download/test_server.h"
#include "download/win32/win32_url_transfers.h"
#include "platform/win32/wide.h"
#include "support/child_process.h"
#include "support/source_tree.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;
using winetest::FileExists;
using winetest::ReadBytes;

constexpr DWORD kDeadlineMs = 60000;
constexpr TransferRules kRules{8u << 20, 5, false, false, std::nullopt};

// The server's /medium.bin: a MiB where byte i is i mod 251.
std::string Medium() {
    std::string bytes(1u << 20, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i % 251);
    return bytes;
}

// What the download target window passes on, as it arrives.
class RecordingEvents final : public IDownloadEvents {
public:
    explicit RecordingEvents(IUrlTransfers& transfers) : transfers_(transfers) {}
    void OnDownloadProgress(const DownloadProgress* progress) override {
        if (GetCurrentThreadId() != thread_) ++foreignThreadCalls;
        if (progress == nullptr) {
            ++stopNotices;
            return;
        }
        notices.push_back(*progress);
    }
    void OnEndDownload() override {
        if (GetCurrentThreadId() != thread_) ++foreignThreadCalls;
        ++ends;
        result = transfers_.Finish();
    }
    void OnTransferTick(std::uint64_t) override { ++ticks; }
    void OnStopRequested() override {}

    std::vector<DownloadProgress> notices;
    int stopNotices = 0;
    int ends = 0;
    int foreignThreadCalls = 0;
    int ticks = 0;
    std::u16string result = u"unset";

private:
    IUrlTransfers& transfers_;
    DWORD thread_ = GetCurrentThreadId();
};

class UrlTransfers : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(server.base.empty()) << "no test server: VELTRA_TEST_SERVER_FILE is not set"; }
    // Runs one transfer to its end message.
    void Fetch(const std::wstring& url, const std::wstring& file) {
        ASSERT_TRUE(transfers.Start(FromWide(url), FromWide(file), kRules, events));
        ASSERT_TRUE(winetest::PumpUntil([&] { return events.ends != 0; }, kDeadlineMs));
        EXPECT_EQ(events.ends, 1);
        EXPECT_EQ(events.foreignThreadCalls, 0);
        EXPECT_FALSE(transfers.HasWorker());
    }

    winetest::TestServer server = winetest::FindTestServer();
    winetest::ScratchFolder folder{winetest::ProgramFolder() + L"download-test"};
    Win32UrlTransfers transfers;
    RecordingEvents events{transfers};
};

TEST_F(UrlTransfers, ALargeFileArrivesWholeWithProgressInOrder) {
    const std::wstring file = folder.Path(L"medium.bin");
    Fetch(server.base + L"/slow/medium.bin", file);
    EXPECT_EQ(events.result, u"");
    EXPECT_EQ(ReadBytes(file), Medium());
    std::uint32_t last = 0;
    const std::size_t downloading = std::count_if(events.notices.begin(), events.notices.end(),
                                                  [](const DownloadProgress& notice) { return notice.ulStatusCode == 5; });
    EXPECT_GE(downloading, 3u);
    for (const DownloadProgress& notice : events.notices) {
        EXPECT_GE(notice.ulProgress, last);
        last = notice.ulProgress;
        EXPECT_TRUE(notice.ulProgressMax == 0 || notice.ulProgressMax == 1u << 20) << notice.ulProgressMax;
        EXPECT_GE(notice.ulStatusCode, 1u);
        EXPECT_LE(notice.ulStatusCode, 25u);
    }
    EXPECT_EQ(last, 1u << 20);
    EXPECT_EQ(events.stopNotices, 0);
    EXPECT_GE(events.ticks, 5);  // four seconds of transfer, a tick each 200 ms
    EXPECT_THAT(folder.Files(), ElementsAre(L"medium.bin"));
    // The body went straight to the file: no copy of it is left in the URL cache.
    DWORD size = 0;
    EXPECT_FALSE(GetUrlCacheEntryInfoW((server.base + L"/slow/medium.bin").c_str(), nullptr, &size));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(UrlTransfers, AnAnswerWithoutLengthArrivesWholeWithoutATotal) {
    Fetch(server.base + L"/chunked/medium.bin", folder.Path(L"chunked.bin"));
    EXPECT_EQ(events.result, u"");
    EXPECT_EQ(ReadBytes(folder.Path(L"chunked.bin")), Medium());
    ASSERT_FALSE(events.notices.empty());
    for (const DownloadProgress& notice : events.notices) EXPECT_EQ(notice.ulProgressMax, 0u) << notice.ulProgress;
}

TEST_F(UrlTransfers, ASecondStartWhileBusyIsRefusedAndDestroyingStopsTheWorker) {
    auto running = std::make_unique<Win32UrlTransfers>();
    RecordingEvents slow(*running);
    ASSERT_TRUE(running->Start(FromWide(server.base + L"/slow/large.bin"), FromWide(folder.Path(L"slow.bin")), kRules, slow));
    EXPECT_FALSE(running->Start(FromWide(server.base + L"/small.txt"), FromWide(folder.Path(L"x.txt")), kRules, slow));
    ASSERT_TRUE(winetest::PumpUntil([&] { return !slow.notices.empty(); }, kDeadlineMs));
    running.reset();  // must not hang on the worker's pending send
    EXPECT_FALSE(FileExists(folder.Path(L"slow.bin")));
    EXPECT_TRUE(folder.Files().empty());
    EXPECT_EQ(slow.ends, 0);
}

}  // namespace
}  // namespace veltra
