#include <gtest/gtest.h>

#include "../catalogue/catalogue_fixture.h"
#include "core/last_scan.h"
#include "core/text.h"
#include "download/history.h"
#include "download/update_page.h"
#include "fakes/fake_program_starter.h"
#include "fakes/fake_url_transfers.h"

namespace veltra::testing {
namespace {

// The list's six rows as the window shows them (ticked, "type|item|current|online|") and
// the information panel; the rest of the page is the console tests'.
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
    std::unique_ptr<IFile> results = f.fake.fileSystem.Open(CheckListPath(kWork), FileOpenMode::ReadWriteTruncate);
    f.writer.SetFile(results.get());
    for (int i = 1; i <= 7; ++i) {
        const std::u16string n = DecimalText(i);
        f.writer.Write({4, u"Item " + n, u"1." + n, u"2." + n, u"About " + n, u"1 MB", u"vga/item" + n + u".exe"});
    }
    f.writer.SetFile(nullptr);
    results.reset();
    f.vt5.resultCount = 0;
    fakes::FakeUrlTransfers transfers{f.fake.fileSystem};
    fakes::FakeProgramStarter starter{f.fake.fileSystem};
    HistoryFile history{f.fake.fileSystem, f.fake.codePage, HistoryPath(kWork)};
    LastScanRecord lastScan{f.fake.fileSystem, LastScanPath(kWork)};
    RowsView view;
    UpdatePage page({f.context, f.checkList, transfers, f.fake.messageBox, f.fake.clock, starter, history, lastScan, u"http://srv"}, view);
    page.Init();
    page.OnRowTicked(6, true);
    page.OnVScroll(1, 0);  // a line down: items 2 to 7
    EXPECT_EQ(view.rows[1], std::pair(false, std::u16string(u"VGA Driver|Item 2|1.2|2.2|")));
    EXPECT_EQ(view.rows[5], std::pair(true, std::u16string(u"VGA Driver|Item 6|1.6|2.6|")));
    page.OnRowDetails(6);
    EXPECT_EQ(view.information, u"About 7");
}

}  // namespace
}  // namespace veltra::testing
