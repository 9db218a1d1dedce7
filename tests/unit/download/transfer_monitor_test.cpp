#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "download/transfer_monitor.h"
#include "fakes/recording_debug_sink.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

TEST(TransferMonitor, StatusCodesOutside1To24ReachThePageAs25) {
    TransferMonitor monitor;
    const char16_t text[] = u"status";
    const DownloadProgress progress = monitor.Progress(3000000000u, 4000000000u, 5, text);
    EXPECT_EQ(progress.ulProgress, 3000000000u);
    EXPECT_EQ(progress.ulProgressMax, 4000000000u);
    EXPECT_EQ(progress.ulStatusCode, 5u);
    EXPECT_EQ(progress.szStatusText, text);
    EXPECT_EQ(monitor.Progress(0, 0, 0, nullptr).ulStatusCode, 25u);
    EXPECT_EQ(monitor.Progress(0, 0, 1, nullptr).ulStatusCode, 1u);
    EXPECT_EQ(monitor.Progress(0, 0, 24, nullptr).ulStatusCode, 24u);
    EXPECT_EQ(monitor.Progress(0, 0, 26, nullptr).ulStatusCode, 25u);
    EXPECT_EQ(monitor.Progress(0, 0, 0xFFFFFFFFu, nullptr).ulStatusCode, 25u);
}

TEST(TransferMonitor, OnlyAWholeGoodAnswerIsKept) {
    fakes::ScopedDebugCapture capture;
    auto verdict = [](std::uint32_t status, std::uint32_t announced, TransferCall call, std::uint64_t bytes) {
        TransferMonitor monitor;
        monitor.Progress(0, announced, 5, nullptr);
        monitor.Progress(0, 0, 6, nullptr);  // a later notice without a total does not hide the first one
        if (status != 0) monitor.HttpStatus(status);
        const TransferVerdict result = monitor.Finish(call, bytes);
        return std::make_pair(result.sResult, result.keepFile);
    };
    using R = std::pair<std::u16string, bool>;
    EXPECT_EQ(verdict(200, 100, TransferCall::Succeeded, 100), (R{u"", true}));
    EXPECT_EQ(verdict(0, 100, TransferCall::Succeeded, 100), (R{u"", true}));  // no HTTP (a file: address)
    EXPECT_EQ(verdict(200, 0, TransferCall::Succeeded, 5), (R{u"", true}));    // no length announced
    EXPECT_EQ(verdict(200, 100, TransferCall::Succeeded, 150), (R{u"", true}));
    EXPECT_EQ(verdict(200, 100, TransferCall::Succeeded, 99), (R{u"2", false}));  // closed mid-transfer
    EXPECT_EQ(verdict(404, 162, TransferCall::Succeeded, 162), (R{u"2", false}));
    EXPECT_EQ(verdict(500, 0, TransferCall::Succeeded, 10), (R{u"2", false}));
    EXPECT_EQ(verdict(399, 10, TransferCall::Succeeded, 10), (R{u"", true}));
    EXPECT_EQ(verdict(200, 100, TransferCall::Aborted, 40), (R{u"1", false}));
    EXPECT_EQ(verdict(404, 100, TransferCall::Aborted, 40), (R{u"1", false}));  // the user's stop wins
    EXPECT_EQ(verdict(0, 0, TransferCall::Failed, 0), (R{u"2", false}));
    EXPECT_EQ(capture.Lines().size(), 11u);
    EXPECT_EQ(capture.Lines().back(), u"0010 :  Run Download");
}

TEST(IsWellFormedUrl, ASchemeAColonAndARest) {
    EXPECT_TRUE(IsWellFormedUrl(u"http://127.0.0.1:8080/DataBase/VT5/VDList.xml"));
    EXPECT_TRUE(IsWellFormedUrl(u"svn+ssh:x"));
    EXPECT_FALSE(IsWellFormedUrl(u""));
    EXPECT_FALSE(IsWellFormedUrl(u"no address"));
    EXPECT_FALSE(IsWellFormedUrl(u"http:"));
    EXPECT_FALSE(IsWellFormedUrl(u"://host/file"));
    EXPECT_FALSE(IsWellFormedUrl(u"1http://host"));
    EXPECT_FALSE(IsWellFormedUrl(u"ht tp://host"));
}

TEST(TransferMonitor, TheTemporaryFileSitsBesideItsTarget) {
    EXPECT_EQ(TemporaryDownloadPath(u"C:\\V\\VT5\\DL_INFO\\VDList.xml"), u"C:\\V\\VT5\\DL_INFO\\VDList.xml.part");
}

}  // namespace
}  // namespace veltra
