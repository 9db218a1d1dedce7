#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/text.h"
#include "core/vt5_record.h"
#include "download/history_page.h"
#include "fakes/fake_platform.h"
#include "fakes/recording_page_views.h"

namespace veltra {
namespace {

using ::testing::ElementsAre;

struct HistoryPageFixture {
    HistoryPageFixture() { fake.fileSystem.AddFolder(u"C:\\W\\VT5\\LOG"); }
    void Append(int count) {
        for (int i = 0; i < count; ++i) {
            ++appended;
            staging.SetItem(fake.codePage, u"VGA Driver", u"Item " + DecimalText(appended), u"1.0", u"About " + DecimalText(appended));
            history.AppendHistory(staging, fake.clock);
        }
    }
    fakes::FakePlatform fake;
    VT5Record vt5;
    HistoryFile history{fake.fileSystem, fake.codePage, HistoryPath(u"C:\\W\\")};
    HistoryRecord staging;
    fakes::RecordingListView view;
    HistoryPage page{history, vt5, view};
    int appended = 0;
};

TEST(HistoryPage, RowsAreEnabledUpToTheRecordsAndNoFileShowsAnEmptyList) {
    HistoryPageFixture f;
    EXPECT_EQ(f.page.RefreshHistory(), 0);
    EXPECT_FALSE(f.view.scrollVisible);
    EXPECT_FALSE(f.view.rows[1].enabled);
    EXPECT_THAT(f.view.Column(2), ElementsAre(u"", u"", u"", u"", u"", u""));
    f.Append(3);
    f.page.RefreshHistory();
    EXPECT_TRUE(f.view.rows[3].enabled);
    EXPECT_FALSE(f.view.rows[4].enabled);
    EXPECT_FALSE(f.view.scrollVisible);
}

TEST(HistoryPage, SevenRecordsScrollByOneAndARefreshReturnsToTheTop) {
    HistoryPageFixture f;
    f.Append(7);
    f.page.RefreshHistory();
    EXPECT_TRUE(f.view.scrollVisible);
    EXPECT_EQ(f.view.scrollMax, 1);
    EXPECT_THAT(f.view.Column(0), ElementsAre(u"1", u"2", u"3", u"4", u"5", u"6"));
    EXPECT_THAT(f.view.rows[1].texts, ElementsAre(u"1", u"2026/12/7", u"VGA Driver", u"Item 1", u"1.0"));
    f.page.OnVScroll(1, 0);
    EXPECT_THAT(f.view.Column(0), ElementsAre(u"2", u"3", u"4", u"5", u"6", u"7"));
    f.page.OnDescription(6);
    EXPECT_THAT(f.view.information, ElementsAre(u"About 7"));
    f.Append(1);
    f.page.RefreshHistory();
    EXPECT_EQ(f.vt5.scl2.nCurr, 0);
    EXPECT_EQ(f.view.scrollMax, 2);
    EXPECT_THAT(f.view.Column(3), ElementsAre(u"Item 1", u"Item 2", u"Item 3", u"Item 4", u"Item 5", u"Item 6"));
}

}  // namespace
}  // namespace veltra
