#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "core/text.h"
#include "core/vt5_record.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_url_transfers.h"
#include "fakes/recording_debug_sink.h"
#include "fakes/recording_download_target.h"
#include "transfer/download_engine.h"
#include "transfer/server_address.h"
#include "transfer/transfer_limits.h"
#include "transfer/transfer_monitor.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

constexpr char16_t kListUrl[] = u"http://server/DataBase/VT5/VDList.xml";
constexpr char16_t kListFile[] = u"C:\\V\\VT5\\DL_INFO\\VDList.xml";

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
    transfers.server[kListUrl] = Bytes(4000);
    engine.URLDownload(kListUrl, kListFile);
    transfers.RunWorker();
    EXPECT_THAT(target.bar, ElementsAre(25, 50, 75, 100));
    EXPECT_THAT(target.texts, ElementsAre(u"File download now ... 25 %", u"File download now ... 50 %",
                                          u"File download now ... 75 %", u"File download now ... 100 %"));
    EXPECT_EQ(engine.nWebStop, kWebStopNone);
    EXPECT_EQ(target.nextItems, 1);
    EXPECT_EQ(files.Contents(kListFile), Bytes(4000));
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
        engine.URLDownload(kListUrl, kListFile);
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
    engine.OnTransferTick(1u << 30);  // no transfer: nothing happens
    EXPECT_EQ(target.nextItems, 2);
    // Progress between the ticks keeps a slow transfer going.
    engine.URLDownload(kListUrl, kListFile);
    const DownloadProgress notice{1, 100, 5, nullptr};
    for (std::uint64_t at = 0; at <= 3 * limits.stallMilliseconds; at += limits.stallMilliseconds / 2) {
        engine.OnDownloadProgress(&notice);
        engine.OnTransferTick(at);
    }
    EXPECT_EQ(target.nextItems, 2);
}

constexpr char16_t kUrl[] = u"http://Update.Example:8080/DataBase/VT5/VDList.xml";
constexpr TransferRules kCatalogue{1000, 2, false, false, std::nullopt};
constexpr TransferRules kFile{1000, 2, false, true, std::nullopt};

struct VerdictCase {
    const char* name;
    TransferRules rules;
    std::vector<std::u16string> redirects;
    std::u16string headers;  // empty: no reply seen
    std::uint32_t status;
    std::uint32_t progress;  // the last progress notice's count
    TransferCall call;
    std::uint64_t fileBytes;
    const char16_t* result;
    const char16_t* why;  // the second log line, empty when there is none
};

const std::u16string k200 = u"HTTP/1.1 200 OK\r\nContent-Length: 100\r\n";
const std::u16string kNoLength = u"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n";

const VerdictCase kVerdicts[] = {
    {"whole", kFile, {}, k200, 200, 100, TransferCall::Succeeded, 100, u"", u""},
    {"cut", kFile, {}, k200, 200, 99, TransferCall::Succeeded, 99, u"2", u"Transfer failed: 99 of 100 bytes"},
    {"status199", kCatalogue, {}, u"HTTP/1.1 199 X\r\nServer: s\r\n", 199, 0, TransferCall::Succeeded, 0, u"2", u"Transfer failed: HTTP status 199"},
    {"status300", kCatalogue, {}, u"HTTP/1.1 300 X\r\nServer: s\r\n", 300, 0, TransferCall::Succeeded, 0, u"2", u"Transfer failed: HTTP status 300"},
    {"encoded", kFile, {}, k200 + u"Content-Encoding: gzip\r\n", 200, 300, TransferCall::Succeeded, 300, u"2", u"Transfer failed: an encoded body"},
    {"identityEncoding", kFile, {}, k200 + u"Content-Encoding: identity\r\n", 200, 100, TransferCall::Succeeded, 100, u"", u""},
    {"twoLengths", kFile, {}, k200 + u"Content-Length: 90\r\n", 200, 100, TransferCall::Succeeded, 100, u"2", u"Transfer failed: a bad Content-Length"},
    {"noLengthCatalogue", kCatalogue, {}, kNoLength, 200, 7, TransferCall::Succeeded, 7, u"", u""},
    {"noLengthFile", kFile, {}, kNoLength, 200, 7, TransferCall::Succeeded, 7, u"2", u"Transfer failed: no Content-Length"},
    {"stopped", kFile, {}, k200, 200, 40, TransferCall::Aborted, 40, u"1", u""},
    {"emptyFile", kFile, {}, u"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n", 200, 0, TransferCall::Succeeded, 0, u"2", u"Transfer failed: an empty body"},
    {"atTheLimit", kCatalogue, {}, kNoLength, 200, 1000, TransferCall::Succeeded, 1000, u"", u""},
    {"pastTheLimit", kCatalogue, {}, kNoLength, 200, 1001, TransferCall::Aborted, 1001, u"2", u"Transfer failed: more than 1000 bytes"},
    {"pastTheSignedSize", {1000, 2, false, true, ExpectedFile{99, {}}}, {}, k200, 200, 100, TransferCall::Aborted, 100, u"2", u"Transfer failed: more than 99 bytes"},
    {"fileGrewPastTheLimit", kCatalogue, {}, kNoLength, 200, 10, TransferCall::Succeeded, 1001, u"2", u"Transfer failed: more than 1000 bytes"},
    {"twoRedirects", kCatalogue, {u"http://update.example:8080/a", u"HTTPS://update.example:8080/b"}, k200, 200, 100, TransferCall::Succeeded, 100, u"", u""},
    {"threeRedirects", kCatalogue, {u"http://update.example:8080/a", u"http://update.example:8080/a", u"http://update.example:8080/a"}, k200, 200, 0, TransferCall::Aborted, 0, u"2", u"Transfer failed: more than 2 redirects"},
    {"redirectElsewhere", kCatalogue, {u"http://update.example:8081/a"}, u"", 0, 0, TransferCall::Aborted, 0, u"2", u"Transfer failed: a redirect to http://update.example:8081/a"},
    {"redirectElsewhereAllowed", {1000, 2, true, false, std::nullopt}, {u"https://user@mirror.example/a"}, k200, 200, 100, TransferCall::Succeeded, 100, u"", u""},
};

class TransferVerdicts : public ::testing::TestWithParam<VerdictCase> {};

TEST_P(TransferVerdicts, OnlyAWholeGood2xxReplyWithinTheRulesIsKept) {
    const VerdictCase& row = GetParam();
    fakes::ScopedDebugCapture capture;
    TransferMonitor monitor(kUrl, row.rules);
    for (const std::u16string& target : row.redirects) monitor.Progress(0, 0, kStatusRedirecting, target.c_str());
    if (!row.headers.empty() || row.status != 0) monitor.Response(row.status, row.headers);
    monitor.Progress(row.progress, 100, 5, nullptr);
    EXPECT_EQ(monitor.Refused(), row.call == TransferCall::Aborted && std::u16string(row.result) == u"2");
    const TransferVerdict verdict = monitor.Finish(row.call, row.fileBytes);
    EXPECT_EQ(verdict.sResult, row.result);
    EXPECT_EQ(verdict.keepFile, verdict.sResult.empty());
    std::vector<std::u16string> expected = {u"0000 :  Run Download"};
    if (*row.why != u'\0') expected.push_back(u"0001 :  " + std::u16string(row.why));
    EXPECT_EQ(capture.Lines(), expected);
}

std::string CaseName(const ::testing::TestParamInfo<VerdictCase>& row) { return row.param.name; }
INSTANTIATE_TEST_SUITE_P(Replies, TransferVerdicts, ::testing::ValuesIn(kVerdicts), CaseName);

// A signed list's size caps the body below the rules' limit, never above it.
TEST(TransferMonitor, ABodyMayNotPassTheLimitOrTheSignedSize) {
    TransferRules rules{1000, 2, false, true, std::nullopt};
    EXPECT_EQ(BodyByteLimit(rules), 1000u);
    for (const auto& [size, limit] : {std::pair{999u, 999u}, {1000u, 1000u}, {1001u, 1000u}}) {
        rules.expected = ExpectedFile{size, {}};
        EXPECT_EQ(BodyByteLimit(rules), limit) << size;
    }
    TransferMonitor monitor(kUrl, rules);
    monitor.BodyLimitReached();
    EXPECT_TRUE(monitor.Refused()) << "a full body is a failure, not a stop";
}

// Progress notices carry a running 32-bit count: one that falls back has passed 4 GiB.
TEST(TransferMonitor, RunningCountsAddUpAcross4GiB) {
    TransferMonitor monitor(kUrl, TransferRules{std::uint64_t{5} << 30, 5, false, false, std::nullopt});
    for (std::uint32_t count : {3000000000u, 4000000000u, 100u, 1u << 30}) monitor.Progress(count, 0, 5, nullptr);
    EXPECT_FALSE(monitor.Refused());  // 5 GiB, the limit
    monitor.Progress((1u << 30) + 1, 0, 5, nullptr);
    EXPECT_TRUE(monitor.Refused());
}

TEST(TransferAddresses, SchemesHostsAndTemporaryFiles) {
    EXPECT_TRUE(IsWellFormedUrl(u"svn+ssh:x"));
    for (const char16_t* bad : {u"", u"http:", u"://host/file", u"1http://host", u"ht tp://host"})
        EXPECT_FALSE(IsWellFormedUrl(bad)) << Utf16ToUtf8(bad);
    EXPECT_TRUE(IsHttpUrl(u"HTTPS://host"));
    for (const char16_t* other : {u"ftp://127.0.0.1:21/x", u"file:///C:/x", u"http://", u"http:///path", u"mailto:a@b"})
        EXPECT_FALSE(IsHttpUrl(other));
    EXPECT_EQ(UrlAuthority(u"http://User:pw@Host.Example:81/a@b?c"), u"host.example:81");
    EXPECT_EQ(UrlAuthority(u"https://host\\evil"), u"host");
    const std::uint8_t random[] = {0x00, 0x9f, 0xa0, 0xff};
    EXPECT_EQ(TemporaryDownloadPath(u"C:\\V\\VDList.xml", random), u"C:\\V\\VDList.xml.009fa0ff.part");
    const std::pair<const char16_t*, const char16_t*> locations[] = {
        {u"/b/c", u"http://h:1/b/c"}, {u"c?d", u"http://h:1/a/c?d"}, {u"//other/x", u"http://other/x"}, {u"mailto:a@b", u"mailto:a@b"},
    };
    for (const auto& [location, resolved] : locations) EXPECT_EQ(ResolveLocation(u"http://h:1/a/b?q=/x", location), resolved);
    EXPECT_EQ(ResolveLocation(u"http://h", u"c"), u"http://h/c");
}

// Every form of the server's address becomes one base; a folder's files are read from the
// path its file: address names, and nothing else is an address.
TEST(ServerAddress, WebAddressesAndFoldersBecomeOneBase) {
    const std::pair<const char16_t*, const char16_t*> forms[] = {
        {u" https://Host:81/v5// ", u"https://Host:81/v5"}, {u"http://h", u"http://h"},
        {u" C:\\mirror\\ ", u"file:///C:/mirror"}, {u"d:/a b/100%/#1", u"file:///d:/a%20b/100%25/%231"},
        {u"file:///C:/mirror/", u"file:///C:/mirror"}, {u"i:/", u"file:///i:/"}, {u"FILE://localhost/C:/a%20b", u"file:///C:/a%20b"},
        {u"\\\\host\\share\\m", u"file://host/share/m"}, {u"//host/share", u"file://host/share"},
        {u"file://host/share/%E6%97%A5", u"file://host/share/\u65E5"}, {u"file:///C:/100%25", u"file:///C:/100%25"},
    };
    for (const auto& [text, base] : forms) EXPECT_EQ(ServerAddress(text), std::u16string(base)) << Utf16ToUtf8(text);
    for (const char16_t* bad : {u"", u"mirror", u"C:", u"C:mirror", u"\\\\host", u"\\\\.\\PhysicalDrive0", u"\\\\?\\C:\\m",
                                u"C:\\a\\..\\b", u"C:\\a|b", u"ftp://h/m", u"http://", u"file:C:/m", u"file://C:/m",
                                u"file:///C:/a%2F..%2Fb", u"file:///C:/a%zz", u"file:///C:/%FF", u"file:///C:/a?b", u"http://h/\x01"})
        EXPECT_EQ(ServerAddress(bad), std::nullopt) << Utf16ToUtf8(bad);
    EXPECT_EQ(FolderPathOf(u"file:///C:/m/DataBase/a%20b.xml"), u"C:\\m\\DataBase\\a b.xml");
    EXPECT_EQ(FolderPathOf(u"file://host/share/m/x.exe"), u"\\\\host\\share\\m\\x.exe");
    EXPECT_EQ(FolderPathOf(u"file:///C:/m/XBIOS/../../x.exe"), std::nullopt);
    EXPECT_TRUE(IsTransferAddress(u"file:///C:/m/x") && IsTransferAddress(u"http://h/x"));
    EXPECT_FALSE(IsTransferAddress(u"C:\\m\\x") || IsTransferAddress(u"file:m/x"));
}

// The worker follows redirects itself; a host the service went to unasked (its request's
// Host header) is refused.
TEST(TransferMonitor, AHostTheServiceWentToUnaskedIsRefused) {
    for (const auto& [host, refused] : {std::pair{u"update.EXAMPLE:8080", false}, {u"update.example", true}}) {
        TransferMonitor monitor(kUrl, kCatalogue);
        monitor.RequestHost(host);
        EXPECT_EQ(monitor.Refused(), refused) << Utf16ToUtf8(host);
    }
}

}  // namespace
}  // namespace veltra
