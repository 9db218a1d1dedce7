#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/vt5_record.h"
#include "download/download_engine.h"
#include "download/test_server.h"
#include "download/win32/win32_url_transfers.h"
#include "fakes/recording_debug_sink.h"
#include "fakes/recording_download_target.h"
#include "platform/win32/wide.h"
#include "support/child_process.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

class RecordingBox final : public IMessageBox {
public:
    void Show(const std::u16string& text, const std::u16string&) override { shown.push_back(text); }
    void ShowStop(const std::u16string& text, const std::u16string&) override { shown.push_back(text); }
    std::vector<std::u16string> shown;
};

class DownloadEngineUnderWine : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(server.base.empty()) << "no test server: VELTRA_TEST_SERVER_FILE is not set"; }
    void Download(const std::wstring& place, const std::wstring& file) {
        const int before = page.nextItems;
        engine.URLDownload(FromWide(server.base + place), FromWide(folder.Path(file)));
        ASSERT_TRUE(winetest::PumpUntil([&] { return page.nextItems != before; }, 60000));
        EXPECT_FALSE(engine.Busy());
    }
    std::vector<std::u16string> Lines() const {
        std::vector<std::u16string> lines;
        for (const std::u16string& line : capture.Lines()) lines.push_back(line.substr(8));
        return lines;
    }

    winetest::TestServer server = winetest::FindTestServer();
    winetest::ScratchFolder folder{L"engine-test"};
    Win32UrlTransfers transfers;
    RecordingBox boxes;
    VT5Record vt5;
    fakes::RecordingDownloadTarget page;
    DownloadEngine engine{transfers, boxes, vt5, page};
    fakes::ScopedDebugCapture capture;
};

TEST_F(DownloadEngineUnderWine, ALargeFileShowsRisingPercentagesThenEnds) {
    vt5.nDownloadMode = kModeBatch;
    Download(L"/slow/medium.bin", L"medium.bin");
    EXPECT_EQ(engine.nWebStop, kWebStopNone);
    ASSERT_GE(page.texts.size(), 3u);
    EXPECT_EQ(page.texts.back(), u"File download now ... 100 %");
    EXPECT_TRUE(std::is_sorted(page.bar.begin(), page.bar.end()));
    EXPECT_EQ(page.bar.back(), 100);
    const std::vector<std::u16string> lines = Lines();
    EXPECT_EQ(lines.front(), u"Run URLDownload");
    EXPECT_THAT(std::vector<std::u16string>(lines.end() - 4, lines.end()),
                ElementsAre(u"File download now ... 100 %", u"Run Download", u"",
                            u"============== OnEndDownload ==================="));
    EXPECT_EQ(winetest::ReadWholeFile(folder.Path(L"medium.bin")), winetest::LargeFileBytes(1u << 20));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DownloadEngineUnderWine, StoppingAndFailingAreReportedAndLoseNothing) {
    vt5.nDownloadMode = kModeSingle;
    winetest::WriteWholeFile(folder.Path(L"tool.exe"), "MZ earlier");
    page.onText = [&] { engine.RequestStop(); };
    Download(L"/slow/large.bin", L"tool.exe");
    EXPECT_EQ(engine.nWebStop, kWebStopUserBreak);
    page.onText = nullptr;
    engine.nWebStop = kWebStopNone;
    Download(L"/missing.bin", L"tool.exe");
    EXPECT_EQ(engine.nWebStop, kWebStopFailed);
    std::vector<std::u16string> outcomes;
    for (const std::u16string& line : Lines())
        if (line.starts_with(u"nWebStop")) outcomes.push_back(line);
    EXPECT_THAT(outcomes, ElementsAre(u"nWebStop = 1 : user break", u"nWebStop = 2 : Server is busy or connect fail"));
    EXPECT_EQ(winetest::ReadWholeFile(folder.Path(L"tool.exe")),
              std::vector<char>({'M', 'Z', ' ', 'e', 'a', 'r', 'l', 'i', 'e', 'r'}));
    EXPECT_THAT(folder.Files(), ElementsAre(L"tool.exe"));
}

TEST_F(DownloadEngineUnderWine, TheNextTransferStartsFromTheEndOfThePreviousOne) {
    vt5.nDownloadMode = kModeCatalogue;
    page.onNextItem = [&] {
        page.onNextItem = nullptr;
        engine.URLDownload(FromWide(server.base + L"/large.bin"), FromWide(folder.Path(L"second.bin")));
    };
    engine.URLDownload(FromWide(server.base + L"/small.txt"), FromWide(folder.Path(L"first.txt")));
    ASSERT_TRUE(winetest::PumpUntil([&] { return page.nextItems == 2; }, 60000));
    EXPECT_THAT(folder.Files(), ::testing::UnorderedElementsAre(L"first.txt", L"second.bin"));
    EXPECT_EQ(engine.nWebStop, kWebStopNone);
}

}  // namespace
}  // namespace veltra
