#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "../catalogue/catalogue_fixture.h"
#include "core/byte_buffer.h"
#include "download/item_addresses.h"
#include "fakes/recording_debug_sink.h"
#include "platform/openssl/openssl_crypto.h"
#include "update_page_fixture.h"

namespace veltra::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char16_t kBiosList[] = u"http://srv/DataBase/BIOSList.xml";

std::vector<std::u16string> Logged(const fakes::ScopedDebugCapture& capture) {
    std::vector<std::u16string> lines;
    for (const std::u16string& line : capture.Lines()) lines.push_back(line.substr(8));
    return lines;
}

bool HasLine(const std::vector<std::u16string>& lines, const std::u16string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(UpdatePageScan, AutomaticScanFetchesSevenCataloguesInOrderThenChecksAndStampsTheScan) {
    UpdatePageFixture f;
    f.ServeBundledCatalogues("DataBase");
    f.page->Init();
    fakes::ScopedDebugCapture capture;
    f.page->On_Download_Info_File();
    EXPECT_EQ(f.page->State(), PageState::Scan);
    EXPECT_FALSE(f.view.listShown);
    EXPECT_FALSE(f.view.optionsEnabled);
    EXPECT_EQ(f.view.progressArea, ProgressPlace::Scan);
    EXPECT_EQ(f.view.statusText, u"Processing, please wait for a while...");
    f.RunTransfers();
    const std::u16string vt5 = u"http://srv/DataBase/VT5/";
    EXPECT_THAT(f.transfers.startedUrls, ElementsAre(vt5 + u"DRVList.rec", vt5 + u"VIDDID.rec", kBiosList,
                                                     vt5 + u"VDList.xml", vt5 + u"VBList.xml", vt5 + u"VT5_LMU.xml",
                                                     vt5 + u"VT5_LOU.xml"));
    EXPECT_EQ(f.transfers.deletedCacheEntries, f.transfers.startedUrls);
    EXPECT_EQ(f.fake.fileSystem.Contents(CheckListPath(kPageWork)),
              SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec"));
    EXPECT_EQ(f.page->State(), PageState::List);
    EXPECT_TRUE(f.view.listShown);
    EXPECT_FALSE(f.view.progressArea.has_value());
    EXPECT_EQ(f.view.updateCount, u"9");
    EXPECT_THAT(f.view.rows[1].texts, ElementsAre(u"MB BIOS", u"QB-7100", u"1.20", u"1.30"));
    EXPECT_TRUE(f.view.scrollVisible);
    EXPECT_EQ(f.view.scrollMax, 3);
    // The scan's time, in the last-scan record and on the Home page.
    const std::vector<unsigned char> stamp = f.fake.fileSystem.Contents(LastScanPath(kPageWork));
    EXPECT_EQ(GetDateTime(stamp, 0), f.fake.clock.now);
    EXPECT_EQ(f.view.lastScan, u"2026/12/07");
    const std::vector<std::u16string> lines = Logged(capture);
    const std::vector<std::u16string> start(lines.begin(), lines.begin() + 12);
    EXPECT_THAT(start, ElementsAre(u"========== On_Download_Info_File() ==========", u"Do automatic scan !!",
                                   u"enter Disable_Item_When_Scan()", u"Select Item = 007f", u"",
                                   u"Updates are not verified: this build pins no signing key",
                                   u"============== DownloadXML() ==============", u"URL  = http://srv",
                                   u"Path = C:\\W\\VT5\\DL_INFO\\", u"1....download MB driver information now ...",
                                   std::u16string(53, u'='), u"Run URLDownload"));
    EXPECT_TRUE(HasLine(lines, u"msg   Do Check_LOU()~~"));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), u"Run OnNextItem()"), 7);
}

TEST(UpdatePageScan, ManualBoxesBuildTheMaskAndTheHiddenVidDidBoxFollowsMbDriver) {
    UpdatePageFixture f;
    f.ServeBundledCatalogues("DataBase");
    f.page->Init();
    fakes::ScopedDebugCapture capture;
    f.page->SetManualScan();
    EXPECT_EQ(f.page->On_Download_Info_File(), 0);  // no box ticked
    EXPECT_TRUE(HasLine(Logged(capture), u"No Item select  !!"));
    EXPECT_THAT(f.transfers.startedUrls, IsEmpty());
    EXPECT_EQ(f.page->State(), PageState::List);
    EXPECT_TRUE(f.view.optionsEnabled);

    f.page->SetCategoryBox(1, true);  // MB BIOS only: the BIOS list from the database root
    f.page->On_Download_Info_File();
    f.RunTransfers();
    EXPECT_THAT(f.transfers.startedUrls, ElementsAre(kBiosList));
    EXPECT_THAT(f.Records().size(), 1u);
    EXPECT_TRUE(HasLine(Logged(capture), u"msg   Do Check_LB()~~"));
    EXPECT_FALSE(HasLine(Logged(capture), u"msg   Do Check_LD()~~"));

    f.transfers.startedUrls.clear();
    f.page->SetCategoryBox(1, false);
    f.page->SetCategoryBox(0, true);
    EXPECT_TRUE(f.page->Options().boxes[6]);
    f.page->On_Download_Info_File();
    EXPECT_TRUE(HasLine(Logged(capture), u"Select Item = 0041"));
    f.RunTransfers();
    EXPECT_THAT(f.transfers.startedUrls,
                ElementsAre(u"http://srv/DataBase/VT5/DRVList.rec", u"http://srv/DataBase/VT5/VIDDID.rec"));
    f.page->SetCategoryBox(0, false);
    EXPECT_FALSE(f.page->Options().boxes[6]);

    // Automatic and back keeps the ticks.
    f.page->SetCategoryBox(4, true);
    f.page->SetAutomaticScan();
    f.page->SetManualScan();
    EXPECT_TRUE(f.view.options.boxes[4]);
    EXPECT_FALSE(f.view.options.automatic);
}

TEST(UpdatePageScan, DqaTestModeUsesTheTestFoldersAndAFailedCatalogueDoesNotStopTheChain) {
    UpdatePageFixture f;
    f.context->inputs.dqaTest = true;
    f.ServeBundledCatalogues("DQATest");
    f.transfers.server.erase(u"http://srv/DQATest/VT5/VDList.xml");
    f.page->Init();
    f.page->On_Download_Info_File();
    f.RunTransfers();
    ASSERT_EQ(f.transfers.startedUrls.size(), 7u);
    EXPECT_EQ(f.transfers.startedUrls[1], u"http://srv/DQATest/VT5/VIDDID.rec");
    EXPECT_EQ(f.transfers.startedUrls[2], u"http://srv/DQATest/BIOSList.xml");
    EXPECT_EQ(f.transfers.startedUrls[6], u"http://srv/DQATest/VT5/VT5_LOU.xml");
    EXPECT_EQ(f.page->State(), PageState::List);
    EXPECT_FALSE(f.fake.fileSystem.HasFile(u"C:\\W\\VT5\\DL_INFO\\VDList.xml"));
}

TEST(UpdatePageScan, AnInvalidServerAddressEndsTheScanWithTheListShownAgain) {
    UpdatePageFixture f;
    UpdatePage page({*f.context, f.checkList, f.transfers, f.fake.messageBox, f.fake.clock, f.starter, f.history,
                     f.lastScan, u"no server"},
                    f.view);
    page.Init();
    page.On_Download_Info_File();
    ASSERT_EQ(f.fake.messageBox.stopShown.size(), 1u);
    EXPECT_EQ(f.fake.messageBox.stopShown[0].first, u"The URL is invalid.");
    EXPECT_EQ(page.State(), PageState::List);
    EXPECT_TRUE(f.view.listShown);
    EXPECT_FALSE(f.view.progressArea.has_value());
    EXPECT_TRUE(f.view.optionsEnabled);
}

TEST(UpdatePageItems, ThreeTickedRowsWithTheSecondFailing) {
    UpdatePageFixture f;
    f.fake.fileSystem.AddFile(CheckListPath(kPageWork), SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec"));
    f.ServeItem(u"http://srv/XBIOS/QB-7100/130/QB-7100.exe");
    f.ServeItem(u"http://srv/DVD/DRIVER/Chipset/9201021/SDriver.exe");
    f.page->Init();
    for (int row : {1, 2, 3}) f.page->OnRowTicked(row, true);
    f.checkList.list.rows[3][0] = u"v";  // not "V": not fetched
    fakes::ScopedDebugCapture capture;
    f.page->Download_Button_Clicked();
    EXPECT_EQ(f.page->State(), PageState::Download);
    EXPECT_EQ(f.view.progressArea, ProgressPlace::Download);
    EXPECT_FALSE(f.view.rows[1].enabled);
    EXPECT_EQ(f.view.offeredFolder, u"C:\\W\\VT5\\DL_FILE\\");
    f.RunTransfers();
    EXPECT_THAT(f.transfers.startedUrls, ElementsAre(u"http://srv/XBIOS/QB-7100/130/QB-7100.exe",
                                                     u"http://srv/DVD/DRIVER/Audio/6015919/SDriver.exe",
                                                     u"http://srv/DVD/DRIVER/Chipset/9201021/SDriver.exe"));
    EXPECT_THAT(f.view.information, ElementsAre(u"Select file has been downloaded ", u"Download fail ... ",
                                                u"Select file has been downloaded "));
    const std::vector<CheckRecord> records = f.Records();
    EXPECT_EQ(records[0].state, "D");
    EXPECT_EQ(records[1].state, "");
    EXPECT_EQ(records[2].state, "D");
    const HistoryList history = f.history.ReadHistoryList();
    ASSERT_EQ(history.count, 2);
    EXPECT_EQ(history.entries[1][3], u"QB-7100");
    EXPECT_EQ(history.entries[2][3], u"Norva Chipset Driver");
    EXPECT_EQ(history.entries[2][1], u"2026/12/7");
    EXPECT_EQ(f.view.historyRefreshes, 2);
    EXPECT_TRUE(f.fake.fileSystem.HasFile(u"C:\\W\\VT5\\DL_FILE\\Norva_Chipset_Driver_9.2.0.1021.exe"));
    EXPECT_THAT(f.starter.started, IsEmpty());  // a batch starts nothing
    // The failed row is listed again, unticked, first now.
    EXPECT_EQ(f.page->State(), PageState::List);
    EXPECT_EQ(f.view.updateCount, u"7");
    EXPECT_THAT(f.view.rows[1].texts, ElementsAre(u"MB Driver", u"Norva HD Audio Driver", u"Unknown", u"6.0.1.5919"));
    EXPECT_FALSE(f.view.rows[1].ticked);
    EXPECT_TRUE(f.view.optionsEnabled);
    const std::vector<std::u16string> lines = Logged(capture);
    EXPECT_TRUE(HasLine(lines, u"1 is checked "));
    EXPECT_TRUE(HasLine(lines, u"nWebStop = 2 : Server is busy or connect fail"));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), u"num = 3  is checked "), 3);
    EXPECT_FALSE(HasLine(lines, u"num = 4  is checked "));
}

TEST(UpdatePageItems, ASingleRowIsDownloadedRecordedAndStarted) {
    UpdatePageFixture f;
    f.fake.fileSystem.AddFile(CheckListPath(kPageWork), SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec"));
    f.ServeItem(u"http://srv/VGA/NV/191.07/setup.exe");
    f.page->Init();
    f.page->OnVScroll(1, 0);  // row 4 is now the third visible row
    fakes::ScopedDebugCapture capture;
    f.page->OnRowDownload(3);
    f.RunTransfers();
    EXPECT_THAT(f.transfers.startedUrls, ElementsAre(u"http://srv/VGA/NV/191.07/setup.exe"));
    EXPECT_THAT(f.starter.started, ElementsAre(u"C:\\W\\VT5\\DL_FILE\\NVIDIA_191.07.exe"));
    EXPECT_EQ(f.page->LastLaunchLine(), u"");
    EXPECT_EQ(f.Records()[3].state, "D");
    EXPECT_EQ(f.history.ReadHistoryList().count, 1);
    EXPECT_THAT(f.view.information, ElementsAre(u"Select file has been downloaded "));
    EXPECT_TRUE(HasLine(Logged(capture), u"OnBnClickedBtn35 = VGA/NV/191.07/setup.exe"));
    EXPECT_TRUE(HasLine(Logged(capture), u"Download finished"));
    EXPECT_FALSE(HasLine(Logged(capture), u"_norva_UTL"));  // the type's own line only for its type
    EXPECT_EQ(f.view.updateCount, u"8");
}

// Two items whose file names come out alike, and a history that cannot be written.
TEST(UpdatePageItems, NamesThatCollideGetNumbersAndAnUnwrittenHistoryIsSaid) {
    UpdatePageFixture f;
    f.InitWithResults(2);
    for (int row : {0, 1}) {
        f.checkList.list.rows[static_cast<std::size_t>(row)][2] = u"HD-4850";
        f.checkList.list.rows[static_cast<std::size_t>(row)][4] = u"8.7";
        f.page->OnRowTicked(row + 1, true);
    }
    f.checkList.list.rows[1][2] = u"HD4850";
    f.ServeItem(u"http://srv/vga/item1.exe");
    f.ServeItem(u"http://srv/vga/item2.exe");
    f.fake.fileSystem.MakeReadOnlyFolder(u"C:\\W\\VT5\\LOG");
    f.page->Download_Button_Clicked();
    f.RunTransfers();
    EXPECT_TRUE(f.fake.fileSystem.HasFile(u"C:\\W\\VT5\\DL_FILE\\HD4850_8.7.exe"));
    EXPECT_TRUE(f.fake.fileSystem.HasFile(u"C:\\W\\VT5\\DL_FILE\\HD4850_8.7_2.exe"));
    EXPECT_THAT(f.view.information, ElementsAre(u"History.rec could not be written", u"Select file has been downloaded ",
                                                u"History.rec could not be written", u"Select file has been downloaded "));
}

TEST(UpdatePageItems, EmptyListsUnknownTypesAndABusyEngineStartNothing) {
    UpdatePageFixture f;
    f.page->Init();  // no result file yet: six empty rows
    fakes::ScopedDebugCapture capture;
    f.page->Download_Button_Clicked();
    std::vector<std::u16string> lines = Logged(capture);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), u"num = 6 , "), 1);
    EXPECT_EQ(lines.back(), u"No Item selected");
    f.page->OnRowDownload(1);
    EXPECT_EQ(Logged(capture).back(), u"return ! because there is no item there");

    f.InitWithResults(0);
    f.page->Download_Button_Clicked();
    EXPECT_EQ(Logged(capture).back(), u"No Item can download");

    f.InitWithResults(2);
    f.checkList.list.rows[0][1] = u"Firmware";  // a type of no known category
    f.page->OnRowDownload(1);
    ASSERT_EQ(f.fake.messageBox.stopShown.size(), 1u);
    EXPECT_EQ(f.fake.messageBox.stopShown[0].first, u"The URL is invalid.");
    EXPECT_EQ(f.page->State(), PageState::List);
    EXPECT_TRUE(f.view.listShown);
    EXPECT_THAT(f.transfers.startedUrls, IsEmpty());

    // While a transfer runs, a row, the Download button or a scan is refused with a message
    // and leaves the running transfer's mode and view alone.
    f.ServeItem(u"http://srv/vga/item2.exe");
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
    EXPECT_TRUE(f.view.listShown);
    EXPECT_TRUE(f.view.optionsEnabled);
}

TEST(UpdatePageList, ScrollEnabledRowsTicksAndDetails) {
    UpdatePageFixture f;
    f.InitWithResults(3);
    EXPECT_TRUE(f.view.rows[3].enabled);
    EXPECT_FALSE(f.view.rows[4].enabled);
    EXPECT_FALSE(f.view.scrollVisible);

    f.InitWithResults(7);
    EXPECT_TRUE(f.view.scrollVisible);
    EXPECT_EQ(f.view.scrollMax, 1);
    fakes::ScopedDebugCapture capture;
    f.page->OnVScroll(1, 0);
    f.page->OnVScroll(1, 0);
    EXPECT_THAT(Logged(capture), ElementsAre(u"1 : SB_LINEDOWN  VT5.scl.nCurr = 1", u"1 : SB_LINEDOWN  VT5.scl.nCurr = 1"));
    EXPECT_EQ(f.view.scrollPosition, 1);
    EXPECT_THAT(f.view.Column(1), ElementsAre(u"Item 2", u"Item 3", u"Item 4", u"Item 5", u"Item 6", u"Item 7"));
    f.page->OnRowTicked(6, true);
    EXPECT_EQ(f.checkList.list.rows[6][0], u"V");
    f.page->OnVScroll(0, 0);
    f.page->OnVScroll(3, 0);
    EXPECT_TRUE(f.view.rows[6].ticked);
    f.page->OnRowDetails(2);
    EXPECT_THAT(f.view.information, ElementsAre(u"About 3"));
    EXPECT_EQ(Logged(capture).back(), u"OnBnClickedBtn26 = About 3");
    f.ServeItem(u"http://srv/vga/item7.exe");  // the last row alone ticked: a batch of one
    f.page->Download_Button_Clicked();
    f.RunTransfers();
    EXPECT_THAT(f.transfers.startedUrls, ElementsAre(u"http://srv/vga/item7.exe"));
}

// The bundled server holds an update program at every address the demo PC's results lead to.
TEST(BundledServer, UpdateFilesListEveryAddressOfTheDemoPcsResults) {
    UpdatePageFixture f;
    f.fake.fileSystem.AddFile(CheckListPath(kPageWork), SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec"));
    f.page->Init();
    std::vector<std::u16string> derived;
    for (int row = 0; row < f.checkList.list.count; ++row) {
        const ItemTransfer transfer = ItemAddresses(f.checkList.list.rows[static_cast<std::size_t>(row)], f.vt5.cMB_Model,
                                                    u"", kPageWork);
        derived.push_back(transfer.source);
    }
    const std::vector<unsigned char> bytes = SourceFile("examples/server/update-files.txt");
    std::istringstream text(std::string(bytes.begin(), bytes.end()));
    std::vector<std::u16string> listed;
    for (std::string line; std::getline(text, line);)
        if (line.starts_with('/')) listed.push_back(Utf8ToUtf16(line));
    EXPECT_THAT(listed, ::testing::IsSupersetOf(derived));
    // Besides: Norva Easy Flash of the demo prefix, and the BIOS of the DQA TEST catalogues.
    EXPECT_EQ(listed.size(), derived.size() + 2);
}

constexpr char16_t kVdListFile[] = u"C:\\W\\VT5\\DL_INFO\\VDList.xml";
const std::vector<unsigned char> kEarlier = {'e', 'a', 'r', 'l', 'i', 'e', 'r'};

std::vector<unsigned char> Signature(const std::string& name) {
    return SourceFile("tests/fixtures/signatures/" + name);
}

// The update page with the demo key pinned, over the model platform and server.
struct TrustedPage {
    TrustedPage() { f.transfers.crypto = &crypto; }
    UpdatePageFixture f;
    OpenSslCrypto crypto;
    UpdateTrust trust{Signature("demo-public.der"), crypto, f.fake.registry, f.fake.fileSystem, f.fake.clock};
    UpdatePage page{{*f.context, f.checkList, f.transfers, f.fake.messageBox, f.fake.clock, f.starter, f.history,
                     f.lastScan, kServer, BuildTransferLimits(), &trust},
                    f.view};
};

// A manual scan of one category against a server whose list the demo key signs (the
// signature fixtures list DataBase/VT5/VDList.xml as "hello world\n").
struct SignedScanRow {
    const char* what;
    const char* signature;
    std::string catalogue;
    int box;
    std::vector<std::u16string> fetched;  // after the list and its signature
    std::vector<unsigned char> kept;
    std::u16string message;  // the start of what the user is told
};

TEST(SignedScan, UsesOnlyWhatTheSignedListVouchesFor) {
    const std::u16string vdList = std::u16string(kServer) + u"/DataBase/VT5/VDList.xml";
    const SignedScanRow rows[] = {
        {"as signed", "manifest.sig", "hello world\n", 2, {vdList}, Bytes("hello world\n"), u""},
        {"catalogue changed", "manifest.sig", "hello World\n", 2, {vdList}, kEarlier, u"The downloaded file is not"},
        {"other key", "manifest-other-key.sig", "hello world\n", 2, {}, kEarlier,
         u"The update server's file list is not signed by the maker."},
        {"not listed", "manifest.sig", "hello world\n", 3, {}, kEarlier,
         u"The file DataBase/VT5/VBList.xml from the update server is not in its signed file list."},
    };
    for (const SignedScanRow& row : rows) {
        TrustedPage t;
        UpdatePageFixture& f = t.f;
        UpdatePage& page = t.page;
        f.transfers.server[std::u16string(kServer) + u"/DataBase/manifest.txt"].body = Signature("manifest.txt");
        f.transfers.server[std::u16string(kServer) + u"/DataBase/manifest.sig"].body = Signature(row.signature);
        f.transfers.server[vdList].body = Bytes(row.catalogue);
        f.fake.fileSystem.AddFile(kVdListFile, kEarlier);
        page.SetManualScan();
        page.SetCategoryBox(row.box, true);
        page.On_Download_Info_File();
        f.RunTransfers();

        std::vector<std::u16string> fetched = {std::u16string(kServer) + u"/DataBase/manifest.txt",
                                               std::u16string(kServer) + u"/DataBase/manifest.sig"};
        fetched.insert(fetched.end(), row.fetched.begin(), row.fetched.end());
        EXPECT_EQ(f.transfers.startedUrls, fetched) << row.what;
        EXPECT_EQ(f.fake.fileSystem.Contents(kVdListFile), row.kept) << row.what;
        EXPECT_EQ(page.State(), PageState::List) << row.what;
        const auto& shown = f.fake.messageBox.stopShown;
        EXPECT_EQ(shown.empty(), row.message.empty()) << row.what;
        if (!shown.empty()) {
            EXPECT_TRUE(shown.front().first.starts_with(row.message)) << row.what;
        }
    }
}

// A list that cannot be kept on disk still holds for this scan; the log says so, and its
// signature is not kept without it.
TEST(SignedScan, AListThatCannotBeKeptStillHoldsForTheScan) {
    TrustedPage t;
    UpdatePageFixture& f = t.f;
    f.transfers.server[std::u16string(kServer) + u"/DataBase/manifest.txt"].body = Signature("manifest.txt");
    f.transfers.server[std::u16string(kServer) + u"/DataBase/manifest.sig"].body = Signature("manifest.sig");
    f.transfers.server[std::u16string(kServer) + u"/DataBase/VT5/VDList.xml"].body = Bytes("hello world\n");
    f.fake.fileSystem.AddFolder(u"C:\\W\\VT5\\DL_INFO\\DataBase.manifest.txt");  // the list's place is taken
    fakes::ScopedDebugCapture capture;
    t.page.SetManualScan();
    t.page.SetCategoryBox(2, true);
    t.page.On_Download_Info_File();
    f.RunTransfers();
    EXPECT_EQ(f.fake.fileSystem.Contents(kVdListFile), Bytes("hello world\n"));
    EXPECT_TRUE(HasLine(Logged(capture), u"The signed file list could not be kept"));
    EXPECT_FALSE(f.fake.fileSystem.HasFile(u"C:\\W\\VT5\\DL_INFO\\DataBase.manifest.sig"));
}

// A download needs a list a scan accepted: before any, nothing is fetched or started.
TEST(SignedScan, ADownloadWaitsForAnAcceptedList) {
    TrustedPage t;
    UpdatePageFixture& f = t.f;
    UpdatePage& page = t.page;
    f.InitWithResults(1);
    page.Init();
    page.OnRowDownload(1);
    EXPECT_TRUE(f.transfers.startedUrls.empty());
    ASSERT_EQ(f.fake.messageBox.stopShown.size(), 1u);
    EXPECT_TRUE(f.fake.messageBox.stopShown[0].first.starts_with(u"Please scan for updates first"));
    EXPECT_EQ(page.State(), PageState::List);
}

}  // namespace
}  // namespace veltra::testing
