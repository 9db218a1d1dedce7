#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/text.h"
#include "core/vt5_record.h"
#include "download/download_engine.h"
#include "download/transfer_limits.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_url_transfers.h"
#include "fakes/recording_debug_sink.h"
#include "fakes/recording_download_target.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

constexpr char16_t kUrl[] = u"http://server/DataBase/VT5/VDList.xml";
constexpr char16_t kFile[] = u"C:\\V\\VT5\\DL_INFO\\VDList.xml";

std::vector<unsigned char> Bytes(std::size_t count) { return std::vector<unsigned char>(count, 'x'); }

class DownloadEngineTest : public ::testing::Test {
protected:
    DownloadEngineTest() {
        files.AddFolder(u"C:\\V\\VT5\\DL_INFO");
        vt5.nDownloadMode = kModeBatch;
    }
    fakes::FakeFileSystem files;
    fakes::FakeUrlTransfers transfers{files};
    fakes::FakeMessageBox boxes;
    VT5Record vt5;
    fakes::RecordingDownloadTarget target;
    const TransferLimits limits = BuildTransferLimits();
    DownloadEngine engine{transfers, boxes, vt5, target, limits};
    fakes::ScopedDebugCapture capture;
};

// The registry's settings replace the build's limits only when they are a plain decimal
// number from 1 to 1,000,000,000.
TEST(TransferLimits, RegistrySettingsReplaceTheBuildsOnlyWhenTheyAreNumbersInRange) {
    const TransferLimits built = BuildTransferLimits();
    const std::pair<const char16_t*, std::uint64_t> rows[] = {
        {u"1", 1}, {u"1000000000", 1000000000}, {u"0", 0}, {u"1000000001", 0}, {u"1x", 0}, {u" 5", 0},
    };
    for (const auto& [text, number] : rows) {
        fakes::FakeRegistry registry;
        for (const char16_t* name : {u"StallSeconds", u"TransferSeconds", u"MaxFileMiB"})
            registry.SetHklm(u"SOFTWARE\\Norva\\Veltra Series\\", name, text);
        const TransferLimits read = ReadTransferLimits(registry);
        EXPECT_EQ(read.stallMilliseconds, number ? number * 1000 : built.stallMilliseconds) << Utf16ToUtf8(text);
        EXPECT_EQ(read.transferMilliseconds, number ? number * 1000 : built.transferMilliseconds) << Utf16ToUtf8(text);
        EXPECT_EQ(read.fileBytes, number ? number << 20 : built.fileBytes) << Utf16ToUtf8(text);
    }
}

TEST(ProgressPercent, UnsignedTruncatedAndBounded) {
    EXPECT_EQ(ProgressPercent(3000000000u, 4000000000u), 75);
    EXPECT_EQ(ProgressPercent(0xFFFFFFFFu, 1), 100);  // more than announced stays on the bar
    EXPECT_EQ(ProgressPercent(5, 0), 0);
}

TEST_F(DownloadEngineTest, AGoodTransferReportsEachNewPercentOnceAndKeepsTheFile) {
    transfers.server[kUrl] = Bytes(4000);
    engine.URLDownload(kUrl, kFile);
    transfers.RunWorker();
    EXPECT_THAT(target.bar, ElementsAre(25, 50, 75, 100));
    EXPECT_THAT(target.texts, ElementsAre(u"File download now ... 25 %", u"File download now ... 50 %",
                                          u"File download now ... 75 %", u"File download now ... 100 %"));
    EXPECT_EQ(engine.nWebStop, kWebStopNone);
    EXPECT_EQ(target.nextItems, 1);
    EXPECT_EQ(files.Contents(kFile), Bytes(4000));
    EXPECT_THAT(capture.Lines(),
                ElementsAre(u"0000 :  Run URLDownload", u"0001 :  File download now ... 25 %",
                            u"0002 :  File download now ... 50 %", u"0003 :  File download now ... 75 %",
                            u"0004 :  File download now ... 100 %", u"0005 :  Run Download", u"0006 :  ",
                            u"0007 :  ============== OnEndDownload ==================="));
}

TEST_F(DownloadEngineTest, TheWatchdogEndsTransfersTheServiceNoLongerReportsOn) {
    struct Case {
        int mode;
        bool stop;
        std::vector<std::uint64_t> ticks;  // the last one ends the transfer
        const char16_t* why;
        int webStop;
    };
    const Case cases[] = {
        {kModeCatalogue, false, {1000, 1000 + limits.stallMilliseconds - 1, 1000 + limits.stallMilliseconds}, u"Transfer stalled", kWebStopFailed},
        {kModeBatch, true, {5, 400, 505}, u"Transfer stopped", kWebStopUserBreak},
    };
    for (const Case& c : cases) {
        vt5.nDownloadMode = c.mode;
        const int before = target.nextItems;
        engine.URLDownload(kUrl, kFile);
        if (c.stop) engine.RequestStop();
        for (std::uint64_t at : c.ticks) {
            EXPECT_EQ(target.nextItems, before);
            engine.OnTransferTick(at);
        }
        EXPECT_EQ(target.nextItems, before + 1);
        EXPECT_EQ(engine.nWebStop, c.webStop);
        EXPECT_EQ(std::ranges::count_if(capture.Lines(), [&](const std::u16string& line) { return line.ends_with(c.why); }), 1);
        engine.nWebStop = kWebStopNone;
    }
    EXPECT_EQ(transfers.abandoned, 2);
    ASSERT_EQ(transfers.startedRules.size(), 2u);
    EXPECT_EQ(transfers.startedRules[0].maxBytes, limits.catalogueBytes);
    EXPECT_FALSE(transfers.startedRules[0].needsLength);
    EXPECT_EQ(transfers.startedRules[1].maxBytes, limits.fileBytes);
    EXPECT_TRUE(transfers.startedRules[1].needsLength);
    engine.OnTransferTick(1u << 30);  // no transfer: nothing happens
    EXPECT_EQ(target.nextItems, 2);
    // Progress between the ticks keeps a slow transfer going.
    engine.URLDownload(kUrl, kFile);
    const DownloadProgress notice{1, 100, 5, nullptr};
    for (std::uint64_t at = 0; at <= 3 * limits.stallMilliseconds; at += limits.stallMilliseconds / 2) {
        engine.OnDownloadProgress(&notice);
        engine.OnTransferTick(at);
    }
    EXPECT_EQ(target.nextItems, 2);
}

}  // namespace
}  // namespace veltra
