#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "../catalogue/catalogue_fixture.h"
#include "core/last_scan.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_program_starter.h"
#include "fakes/fake_url_transfers.h"
#include "history/history.h"
#include "update_pages/history_page.h"
#include "update_pages/update_page.h"

namespace veltra::testing {
namespace {

// The six list rows as the window shows them (ticked, "type|item|current|online|") and the information panel.
class RowsView final : public IUpdatePageView {
public:
    void SetRowTexts(int row, std::span<const std::u16string> labels) override {
        std::u16string& text = rows.at(static_cast<std::size_t>(row)).second;
        text.clear();
        for (const std::u16string& label : labels) text += label + u"|";
    }
    void SetRowTicked(int row, bool ticked) override { rows.at(static_cast<std::size_t>(row)).first = ticked; }
    void ShowInformation(const std::u16string& text) override { information = text; }
    void SetRowEnabled(int, bool) override {}
    void SetScrollBar(int, bool) override {}
    void SetScrollPosition(int) override {}
    void SetProgressBar(int) override {}
    void SetProgressText(const std::u16string& text) override { progressText = text; }
    void SetStatusText(const std::u16string&) override {}
    void ShowProgressArea(ProgressPlace) override { progressShown = true; }
    void HideProgressArea() override {}
    void ShowListArea(bool) override {}
    void ShowInformationPanel(bool) override {}
    void ShowScanOptions(const ScanOptions&, bool) override {}
    void SetUpdateCount(const std::u16string&) override {}
    void ShowLastScan(const std::u16string&) override {}
    void PostHistoryRefresh() override {}
    void ShowServerReached(bool reached) override { serverReached = reached; }
    void ShowProblem(const std::u16string& text) override { problem = text; }
    bool ChooseSaveFolder(std::u16string&) override {
        ++folderAsked;
        return folderChosen;
    }

    std::array<std::pair<bool, std::u16string>, 7> rows{};
    bool progressShown = false;
    bool folderChosen = true;
    int folderAsked = 0;
    bool serverReached = true;
    std::u16string problem, progressText;
    std::u16string information;
};

// The update page over the fakes, on the demo PC's nine results or on `results` made-up ones.
struct PageRun {
    explicit PageRun(int results = 0) {
        if (results == 0) {
            f.fake.fileSystem.AddFile(CheckListPath(kWork), SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec"));
        } else {
            std::unique_ptr<IFile> file = f.fake.fileSystem.Open(CheckListPath(kWork), FileOpenMode::ReadWriteTruncate);
            f.writer.SetFile(file.get());
            for (int i = 1; i <= results; ++i) f.writer.Write({4, u"Item " + DecimalText(i), u"1", u"2", u"", u"", u"v.exe"});
        }
        page.Init();
    }
    CheckFixture f;
    fakes::FakeUrlTransfers transfers{f.fake.fileSystem};
    fakes::FakeProgramStarter starter{f.fake.fileSystem};
    HistoryFile history{f.fake.fileSystem, f.fake.codePage, HistoryPath(kWork)};
    LastScanRecord lastScan{f.fake.fileSystem, LastScanPath(kWork)};
    RowsView view;
    UpdatePage page{{f.context, f.checkList, transfers, f.fake.messageBox, f.fake.clock, starter, history, lastScan, u"http://srv"}, view};
};

TEST(UpdatePageList, TicksTextsAndDetailsFollowTheScrollBar) {
    PageRun run;
    RowsView& view = run.view;
    run.page.OnRowTicked(6, true);
    run.page.OnVScroll(1, 0);  // a line down: items 2 to 7
    EXPECT_EQ(view.rows[1], std::pair(false, std::u16string(u"MB Driver|Norva HD Audio Driver|Unknown|6.0.1.5919|")));
    EXPECT_EQ(view.rows[5], std::pair(true, std::u16string(u"norva Utility|Norva Live Monitor|1.02|1.05|")));
    run.page.OnRowDetails(6);
    EXPECT_EQ(view.information, u"Network priority tool for the on-board network chip.");
    run.page.On_Download_Info_File();
    EXPECT_EQ(view.information, u"") << "a scan empties the information panel";
}

// A list the page cannot open is said in the program's own box, not shown as no updates.
TEST(UpdatePageList, AListThatCannotBeOpenedIsSaidInTheProgramsBox) {
    PageRun run;
    EXPECT_EQ(run.view.problem, u"");
    run.f.fake.fileSystem.MakeReadOnlyFile(CheckListPath(kWork));
    run.page.Init();
    EXPECT_EQ(run.view.problem, u"Cannot open " + CheckListPath(kWork) +
                                    u": it is read-only, so it cannot be written. Nothing was changed.");
}

// What the page could not keep (the results of a scan, the downloads' record) is said in
// the program's own box, the History page's once while it lasts.
TEST(UpdatePageList, RecordsThatCannotBeKeptAreSaidInTheProgramsBox) {
    const std::u16string readOnly = u": it is read-only, so it cannot be written. Nothing was changed.";
    PageRun run;
    run.f.fake.fileSystem.MakeReadOnlyFile(CheckListPath(kWork));
    run.page.RerunChecks();
    EXPECT_EQ(run.view.problem, u"Cannot open " + CheckListPath(kWork) + readOnly);
    RowsView historyView;
    HistoryPage historyPage(run.history, run.f.vt5, historyView);
    run.f.fake.fileSystem.AddFile(HistoryPath(kWork), std::vector<unsigned char>(712, 'h'));
    run.f.fake.fileSystem.MakeReadOnlyFile(HistoryPath(kWork));
    historyPage.RefreshHistory();
    EXPECT_EQ(historyView.problem, u"Cannot open " + HistoryPath(kWork) + readOnly);
    historyView.problem.clear();
    historyPage.RefreshHistory();
    EXPECT_EQ(historyView.problem, u"") << "told once while it lasts";
}

// Every result is reached: End shows the last row, and results past the 49 rows are said.
TEST(UpdatePageList, TheLastRowIsReachedAndResultsPastTheRowsAreSaid) {
    const struct {
        int results;
        const char16_t* said;
    } lists[] = {{7, u""}, {49, u""}, {50, u"showing 49 of 50"}, {120, u"showing 49 of 120"}};
    for (const auto& list : lists) {
        PageRun run(list.results);
        EXPECT_EQ(run.view.information, list.said) << list.results;
        EXPECT_EQ(run.f.vt5.sUpdateCount, DecimalText(list.results));
        run.page.OnVScroll(7, 0);  // SB_BOTTOM, the End key
        const int last = std::min(list.results, 49);
        EXPECT_EQ(run.view.rows[6].second, u"VGA Driver|Item " + DecimalText(last) + u"|1|2|") << list.results;
        run.page.OnVScroll(6, 0);  // SB_TOP, the Home key
        EXPECT_EQ(run.view.rows[1].second, u"VGA Driver|Item 1|1|2|") << list.results;
    }
}

// A transfer says at once where it connects; a stop (Esc, the Stop button) ends the whole
// scan or batch, and a dead server ends the scan after its first transfer, said for a person.
TEST(UpdatePageList, TransfersSayWhereTheyConnectAndEndAtAStopOrADeadServer) {
    constexpr char16_t kStopped[] = u"Download stopped. Nothing was changed.";
    constexpr char16_t kScanStopped[] = u"Scan stopped. Nothing was changed.";
    const std::u16string dead = u"Could not get the update information from srv.\nCheck the internet connection and "
                                u"scan again. If this goes on, check the update server's address (UpdateServer in the registry).";
    const struct {
        const char* what;
        bool scan, stop;
        std::u16string problem;
        const char16_t* information;
    } cases[] = {
        {"scan, dead server", true, false, dead, u""},
        {"scan, stopped", true, true, u"", kScanStopped},
        {"two files, stopped", false, true, u"", kStopped},
    };
    for (const auto& c : cases) {
        PageRun run;
        if (c.scan) {
            run.page.On_Download_Info_File();
        } else {
            run.page.OnRowTicked(1, true);
            run.page.OnRowTicked(2, true);
            run.page.Download_Button_Clicked();
        }
        EXPECT_EQ(run.view.progressText, u"Connecting to srv ...") << c.what;
        if (c.stop) {
            run.page.StopTransfer();
            run.page.Engine().OnTransferTick(0);
            run.page.Engine().OnTransferTick(1000);
        } else {
            run.transfers.RunWorker();
        }
        EXPECT_EQ(run.transfers.startedUrls.size(), 1u) << c.what;
        EXPECT_EQ(run.view.problem, c.problem) << c.what;
        EXPECT_EQ(run.view.serverReached, c.problem.empty()) << c.what;
        EXPECT_EQ(run.view.information, c.information) << c.what;
        EXPECT_EQ(run.page.State(), PageState::List) << c.what;
        EXPECT_EQ(run.f.vt5.pendingMask, 0) << c.what;
    }
}

// Cancel in the save-path box downloads nothing, starts nothing and leaves the list as it
// was; OK fetches the item.
TEST(UpdatePageList, CancelInTheSavePathBoxDownloadsNothing) {
    PageRun run;
    RowsView& view = run.view;
    UpdatePage& page = run.page;
    page.OnRowTicked(2, true);
    const auto rows = view.rows;
    const std::function<void()> starts[] = {[&] { page.Download_Button_Clicked(); }, [&] { page.OnRowDownload(1); }};
    for (const auto& start : starts) {
        view.folderChosen = false;
        start();
        EXPECT_TRUE(run.transfers.startedUrls.empty());
        EXPECT_FALSE(view.progressShown);
        EXPECT_EQ(page.State(), PageState::List);
        EXPECT_EQ(view.rows, rows);
        view.folderChosen = true;
        start();
        EXPECT_EQ(run.transfers.startedUrls.size(), 1u);
        EXPECT_EQ(page.State(), PageState::Download);
        run.transfers.RunWorker();  // refused: the test server has no files
        run.transfers.startedUrls.clear();
        view.progressShown = false;
    }
    EXPECT_EQ(view.folderAsked, 4);
    EXPECT_TRUE(run.starter.started.empty());
}

}  // namespace
}  // namespace veltra::testing
