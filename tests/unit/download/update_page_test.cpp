#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "../catalogue/catalogue_fixture.h"
#include "core/last_scan.h"
#include "core/byte_buffer.h"
#include "core/text.h"
#include "download/history.h"
#include "download/update_page.h"
#include "fakes/fake_program_starter.h"
#include "fakes/fake_url_transfers.h"
#include "fakes/recording_debug_sink.h"
#include "fakes/recording_page_views.h"
#include "platform/openssl/openssl_crypto.h"

namespace veltra::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char16_t kPageWork[] = u"C:\\W\\";
constexpr char16_t kServer[] = u"http://srv";
constexpr char16_t kBiosList[] = u"http://srv/DataBase/BIOSList.xml";
constexpr char16_t kVdList[] = u"http://srv/DataBase/VT5/VDList.xml";
constexpr char16_t kVdListFile[] = u"C:\\W\\VT5\\DL_INFO\\VDList.xml";
const char kDemoResults[] = "tests/fixtures/catalogue/demo-pc-CheckList.rec";

std::vector<unsigned char> Signature(const std::string& name) { return SourceFile("tests/fixtures/signatures/" + name); }

std::vector<std::u16string> Logged(const fakes::ScopedDebugCapture& capture) {
    std::vector<std::u16string> lines;
    for (const std::u16string& line : capture.Lines()) lines.push_back(line.substr(8));
    return lines;
}

bool HasLine(const std::vector<std::u16string>& lines, const std::u16string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The update page of the demo PC (examples/identities) over the model platform, a model
// server and a recording view; `trusted` pins the demo key.
struct PageFixture {
    explicit PageFixture(bool trusted = false) {
        for (const char16_t* folder : {u"VT5\\LOG", u"VT5\\DL_INFO", u"VT5\\DL_FILE"}) fake.fileSystem.AddFolder(kPageWork + std::u16string(folder));
        const SavedIdentity identity = DemoPcIdentity();
        vt5.sWorkPath = kPageWork;
        ApplySavedIdentity(identity, vt5);
        installed = std::make_unique<RecordedInstalledVersions>(identity.facts.installed, identity.facts.nvidiaDriverVersion, fake.codePage);
        context = std::make_unique<CheckContext>(
            CheckContext{vt5, identity.facts.Inputs(), *installed, fake.fileSystem, fake.codePage, dbf, writer});
        if (trusted) {
            transfers.crypto = &crypto;
            trust = std::make_unique<UpdateTrust>(Signature("demo-public.der"), crypto, fake.registry, fake.fileSystem, fake.clock);
            for (const char* kind : {"txt", "sig"})
                Serve(std::u16string(kServer) + u"/DataBase/manifest." + Utf8ToUtf16(kind), Signature(std::string("manifest.") + kind));
        }
        page = std::make_unique<UpdatePage>(UpdatePageServices{*context, checkList, transfers, fake.messageBox, fake.clock, starter,
                                                               history, lastScan, kServer, BuildTransferLimits(), trust.get()},
                                            view);
    }
    void Serve(const std::u16string& address, std::vector<unsigned char> body = {'M', 'Z', 0x90, 0}) {
        transfers.server[address].body = std::move(body);
    }
    void ServeBundledCatalogues(const std::string& mode) {
        for (const auto& [path, bytes] : BundledCatalogues(mode)) Serve(kServer + (u"/" + Utf8ToUtf16(path)), bytes);
    }
    void RunTransfers() {
        for (int guard = 0; transfers.HasWorker() && guard < 100; ++guard) transfers.RunWorker();
    }
    // Result records of items "Item 1" ..., loaded as the page's set-up does.
    void InitWithResults(int count) {
        std::unique_ptr<IFile> file = fake.fileSystem.Open(CheckListPath(kPageWork), FileOpenMode::ReadWriteTruncate);
        writer.SetFile(file.get());
        for (int i = 1; i <= count; ++i) {
            const std::u16string n = DecimalText(i);
            writer.Write({4, u"Item " + n, u"1." + n, u"2." + n, u"About " + n, u"1 MB", u"vga/item" + n + u".exe"});
        }
        writer.SetFile(nullptr);
        file.reset();
        vt5.resultCount = 0;
        page->Init();
    }
    void ManualScan(int box) {
        page->SetManualScan();
        page->SetCategoryBox(box, true);
        page->On_Download_Info_File();
        RunTransfers();
    }
    std::vector<CheckRecord> Records() const { return ReadCheckRecords(fake.fileSystem, kPageWork); }

    fakes::FakePlatform fake;
    VT5Record vt5;
    CatalogueFileSet dbf;
    CheckListState checkList;
    std::unique_ptr<RecordedInstalledVersions> installed;
    CheckResultWriter writer{vt5, fake.codePage};
    std::unique_ptr<CheckContext> context;
    fakes::FakeUrlTransfers transfers{fake.fileSystem};
    fakes::FakeProgramStarter starter{fake.fileSystem};
    HistoryFile history{fake.fileSystem, fake.codePage, HistoryPath(kPageWork)};
    LastScanRecord lastScan{fake.fileSystem, LastScanPath(kPageWork)};
    fakes::RecordingUpdatePageView view;
    OpenSslCrypto crypto;
    std::unique_ptr<UpdateTrust> trust;
    std::unique_ptr<UpdatePage> page;
};

TEST(UpdatePageScan, AutomaticScanFetchesSevenCataloguesInOrderThenChecksAndStampsTheScan) {
    PageFixture f;
    f.ServeBundledCatalogues("DataBase");
    f.page->Init();
    fakes::ScopedDebugCapture capture;
    f.page->On_Download_Info_File();
    EXPECT_EQ(f.page->State(), PageState::Scan);
    EXPECT_FALSE(f.view.listShown);
    EXPECT_FALSE(f.view.optionsEnabled);
    EXPECT_EQ(f.view.progressArea, ProgressPlace::Scan);
    f.RunTransfers();
    const std::u16string vt5 = u"http://srv/DataBase/VT5/";
    EXPECT_THAT(f.transfers.startedUrls, ElementsAre(vt5 + u"DRVList.rec", vt5 + u"VIDDID.rec", kBiosList, kVdList,
                                                     vt5 + u"VBList.xml", vt5 + u"VT5_LMU.xml", vt5 + u"VT5_LOU.xml"));
    EXPECT_EQ(f.transfers.deletedCacheEntries, f.transfers.startedUrls);
    // The Windows program under Wine is held to the same bytes.
    EXPECT_EQ(f.fake.fileSystem.Contents(CheckListPath(kPageWork)), SourceFile(kDemoResults));
    EXPECT_EQ(f.page->State(), PageState::List);
    EXPECT_TRUE(f.view.listShown);
    EXPECT_FALSE(f.view.progressArea.has_value());
    EXPECT_EQ(f.view.updateCount, u"9");
    EXPECT_EQ(f.view.scrollMax, 3);
    EXPECT_EQ(GetDateTime(f.fake.fileSystem.Contents(LastScanPath(kPageWork)), 0), f.fake.clock.now);
    EXPECT_EQ(f.view.lastScan, u"2026/12/07");
    const std::vector<std::u16string> lines = Logged(capture);
    EXPECT_THAT(std::vector(lines.begin(), lines.begin() + 12),
                ElementsAre(u"========== On_Download_Info_File() ==========", u"Do automatic scan !!",
                            u"enter Disable_Item_When_Scan()", u"Select Item = 007f", u"",
                            u"Updates are not verified: this build pins no signing key",
                            u"============== DownloadXML() ==============", u"URL  = http://srv",
                            u"Path = C:\\W\\VT5\\DL_INFO\\", u"1....download MB driver information now ...",
                            std::u16string(53, u'='), u"Run URLDownload"));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), u"Run OnNextItem()"), 7);
}

TEST(UpdatePageScan, ManualBoxesBuildTheMaskAndTheHiddenVidDidBoxFollowsMbDriver) {
    PageFixture f;
    f.ServeBundledCatalogues("DataBase");
    f.page->Init();
    fakes::ScopedDebugCapture capture;
    f.page->SetManualScan();
    EXPECT_EQ(f.page->On_Download_Info_File(), 0);  // no box ticked
    EXPECT_TRUE(HasLine(Logged(capture), u"No Item select  !!"));
    EXPECT_TRUE(f.view.optionsEnabled);
    f.ManualScan(0);
    EXPECT_TRUE(f.page->Options().boxes[6]);
    EXPECT_TRUE(HasLine(Logged(capture), u"Select Item = 0041"));
    EXPECT_THAT(f.transfers.startedUrls,
                ElementsAre(u"http://srv/DataBase/VT5/DRVList.rec", u"http://srv/DataBase/VT5/VIDDID.rec"));
    f.page->SetCategoryBox(0, false);
    EXPECT_FALSE(f.page->Options().boxes[6]);
    f.page->SetAutomaticScan();
    f.page->SetManualScan();
    EXPECT_FALSE(f.view.options.automatic);
}

TEST(UpdatePageScan, DqaTestModeUsesTheTestFoldersAndAFailedCatalogueDoesNotStopTheChain) {
    PageFixture f;
    f.context->inputs.dqaTest = true;
    f.ServeBundledCatalogues("DQATest");
    f.transfers.server.erase(u"http://srv/DQATest/VT5/VDList.xml");
    f.page->Init();
    f.page->On_Download_Info_File();
    f.RunTransfers();
    ASSERT_EQ(f.transfers.startedUrls.size(), 7u);
    EXPECT_EQ(f.transfers.startedUrls[2], u"http://srv/DQATest/BIOSList.xml");
    EXPECT_EQ(f.transfers.startedUrls[6], u"http://srv/DQATest/VT5/VT5_LOU.xml");
    EXPECT_FALSE(f.fake.fileSystem.HasFile(kVdListFile));
}

// Two items whose file names come out alike, and a history that cannot be written.
TEST(UpdatePageItems, NamesThatCollideGetNumbersAndAnUnwrittenHistoryIsSaid) {
    PageFixture f;
    f.InitWithResults(2);
    for (std::size_t row : {0u, 1u}) {
        f.checkList.list.rows[row][2] = row == 0 ? u"HD-4850" : u"HD4850";
        f.checkList.list.rows[row][4] = u"8.7";
        f.page->OnRowTicked(static_cast<int>(row) + 1, true);
        f.Serve(u"http://srv/vga/item" + DecimalText(static_cast<int>(row) + 1) + u".exe");
    }
    f.fake.fileSystem.MakeReadOnlyFolder(u"C:\\W\\VT5\\LOG");
    f.page->Download_Button_Clicked();
    f.RunTransfers();
    EXPECT_TRUE(f.fake.fileSystem.HasFile(u"C:\\W\\VT5\\DL_FILE\\HD4850_8.7.exe"));
    EXPECT_TRUE(f.fake.fileSystem.HasFile(u"C:\\W\\VT5\\DL_FILE\\HD4850_8.7_2.exe"));
    EXPECT_THAT(f.view.information, ElementsAre(u"History.rec could not be written", u"Select file has been downloaded ",
                                                u"History.rec could not be written", u"Select file has been downloaded "));
}

TEST(UpdatePageItems, UnknownTypesAndABusyEngineStartNothing) {
    PageFixture f;
    f.InitWithResults(2);
    f.checkList.list.rows[0][1] = u"Firmware";  // a type of no known category
    f.page->OnRowDownload(1);
    ASSERT_EQ(f.fake.messageBox.stopShown.size(), 1u);
    EXPECT_EQ(f.fake.messageBox.stopShown[0].first, u"The URL is invalid.");
    EXPECT_EQ(f.page->State(), PageState::List);
    EXPECT_TRUE(f.view.listShown);

    // While a transfer runs, a row, the Download button or a scan is refused with a message
    // and leaves the running transfer's mode and view alone.
    f.Serve(u"http://srv/vga/item2.exe");
    f.page->OnRowDownload(2);
    const int mode = f.vt5.nDownloadMode;
    f.page->OnRowDownload(1);
    f.page->Download_Button_Clicked();
    f.page->On_Download_Info_File();
    EXPECT_EQ(f.fake.messageBox.shown.size(), 3u);
    EXPECT_EQ(f.vt5.nDownloadMode, mode);
    EXPECT_EQ(f.page->State(), PageState::Download);
    f.RunTransfers();
    EXPECT_THAT(f.transfers.startedUrls, ElementsAre(u"http://srv/vga/item2.exe"));
    EXPECT_EQ(f.page->State(), PageState::List);
    EXPECT_TRUE(f.view.optionsEnabled);
}

// A manual scan of one category against a server whose list the demo key signs (the
// signature fixtures list DataBase/VT5/VDList.xml as "hello world\n").
TEST(SignedScan, UsesOnlyWhatTheSignedListVouchesFor) {
    const std::vector<unsigned char> earlier = Bytes("earlier");
    const struct {
        const char* what;
        const char* signature;
        std::string catalogue;
        int box;
        std::vector<std::u16string> fetched;  // after the list and its signature
        std::vector<unsigned char> kept;
        std::u16string message;  // the start of what the user is told
    } rows[] = {
        {"as signed", "manifest.sig", "hello world\n", 2, {kVdList}, Bytes("hello world\n"), u""},
        {"catalogue changed", "manifest.sig", "hello World\n", 2, {kVdList}, earlier, u"The downloaded file is not"},
        {"other key", "manifest-other-key.sig", "hello world\n", 2, {}, earlier,
         u"The update server's file list is not signed by the maker."},
        {"not listed", "manifest.sig", "hello world\n", 3, {}, earlier,
         u"The file DataBase/VT5/VBList.xml from the update server is not in its signed file list."},
    };
    for (const auto& row : rows) {
        PageFixture f(true);
        f.Serve(std::u16string(kServer) + u"/DataBase/manifest.sig", Signature(row.signature));
        f.Serve(kVdList, Bytes(row.catalogue));
        f.fake.fileSystem.AddFile(kVdListFile, earlier);
        f.ManualScan(row.box);
        std::vector<std::u16string> fetched = {u"http://srv/DataBase/manifest.txt", u"http://srv/DataBase/manifest.sig"};
        fetched.insert(fetched.end(), row.fetched.begin(), row.fetched.end());
        EXPECT_EQ(f.transfers.startedUrls, fetched) << row.what;
        EXPECT_EQ(f.fake.fileSystem.Contents(kVdListFile), row.kept) << row.what;
        EXPECT_EQ(f.page->State(), PageState::List) << row.what;
        const auto& shown = f.fake.messageBox.stopShown;
        EXPECT_EQ(shown.empty(), row.message.empty()) << row.what;
        EXPECT_TRUE(shown.empty() || shown.front().first.starts_with(row.message)) << row.what;
    }
}

// A download needs a list a scan accepted: before any, nothing is fetched or started.
TEST(SignedScan, ADownloadWaitsForAnAcceptedList) {
    PageFixture f(true);
    f.InitWithResults(1);
    f.page->OnRowDownload(1);
    EXPECT_TRUE(f.transfers.startedUrls.empty());
    ASSERT_EQ(f.fake.messageBox.stopShown.size(), 1u);
    EXPECT_TRUE(f.fake.messageBox.stopShown[0].first.starts_with(u"Please scan for updates first"));
}

}  // namespace
}  // namespace veltra::testing
