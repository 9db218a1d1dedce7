#include <gtest/gtest.h>

#include "../catalogue/catalogue_fixture.h"
#include "core/last_scan.h"
#include "download/history.h"
#include "download/update_page.h"
#include "fakes/fake_program_starter.h"
#include "fakes/fake_url_transfers.h"

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
    void SetProgressText(const std::u16string&) override {}
    void SetStatusText(const std::u16string&) override {}
    void ShowProgressArea(ProgressPlace) override {}
    void HideProgressArea() override {}
    void ShowListArea(bool) override {}
    void ShowInformationPanel(bool) override {}
    void ShowScanOptions(const ScanOptions&, bool) override {}
    void SetUpdateCount(const std::u16string&) override {}
    void ShowLastScan(const std::u16string&) override {}
    void PostHistoryRefresh() override {}
    void ChooseSaveFolder(std::u16string&) override {}

    std::array<std::pair<bool, std::u16string>, 7> rows{};
    std::u16string information;
};

TEST(UpdatePageList, TicksTextsAndDetailsFollowTheScrollBar) {
    CheckFixture f;
    f.fake.fileSystem.AddFile(CheckListPath(kWork), SourceFile("tests/fixtures/catalogue/demo-pc-CheckList.rec"));  // nine rows
    fakes::FakeUrlTransfers transfers{f.fake.fileSystem};
    fakes::FakeProgramStarter starter{f.fake.fileSystem};
    HistoryFile history{f.fake.fileSystem, f.fake.codePage, HistoryPath(kWork)};
    LastScanRecord lastScan{f.fake.fileSystem, LastScanPath(kWork)};
    RowsView view;
    UpdatePage page({f.context, f.checkList, transfers, f.fake.messageBox, f.fake.clock, starter, history, lastScan, u"http://srv"}, view);
    page.Init();
    page.OnRowTicked(6, true);
    page.OnVScroll(1, 0);  // a line down: items 2 to 7
    EXPECT_EQ(view.rows[1], std::pair(false, std::u16string(u"MB Driver|Norva HD Audio Driver|Unknown|6.0.1.5919|")));
    EXPECT_EQ(view.rows[5], std::pair(true, std::u16string(u"norva Utility|Norva Live Monitor|1.02|1.05|")));
    page.OnRowDetails(6);
    EXPECT_EQ(view.information, u"Network priority tool for the on-board network chip.");
    page.On_Download_Info_File();
    EXPECT_EQ(view.information, u"") << "a scan empties the information panel";
}

}  // namespace
}  // namespace veltra::testing
