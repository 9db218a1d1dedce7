#include <gtest/gtest.h>

#include "schedule/reminder_settings.h"

namespace veltra {
namespace {

struct Shown {
    std::u16string frequency, weekday, date;
    bool weekdayEnabled, dateEnabled;
    std::int32_t storedFrequency, storedWeekday, storedDate;
};

Shown Of(const ReminderSettings& page) {
    const ReminderRecord& r = page.Record();
    return {page.Look(Chooser::Frequency).text, page.Look(Chooser::Weekday).text, page.Look(Chooser::Date).text,
            page.Look(Chooser::Weekday).enabled, page.Look(Chooser::Date).enabled, r.frequency, r.weekday, r.date};
}

void ExpectShown(const ReminderSettings& page, const Shown& expected, const char* what) {
    const Shown shown = Of(page);
    EXPECT_EQ(shown.frequency, expected.frequency) << what;
    EXPECT_EQ(shown.weekday, expected.weekday) << what;
    EXPECT_EQ(shown.date, expected.date) << what;
    EXPECT_EQ(shown.weekdayEnabled, expected.weekdayEnabled) << what;
    EXPECT_EQ(shown.dateEnabled, expected.dateEnabled) << what;
    EXPECT_EQ(shown.storedFrequency, expected.storedFrequency) << what;
    EXPECT_EQ(shown.storedWeekday, expected.storedWeekday) << what;
    EXPECT_EQ(shown.storedDate, expected.storedDate) << what;
}

TEST(ReminderSettings, ChoosersShowAndStoreWhatIsChosen) {
    ReminderSettings page;
    ExpectShown(page, {u"every month", u"Monday", u"01", false, true, 1, 1, 1}, "defaults show the stored weekday");
    page.Select(Chooser::Frequency, 0);
    page.Select(Chooser::Weekday, 3);
    ExpectShown(page, {u"every week", u"Wendnesday", u"01", true, false, 0, 3, 1}, "weekly, the list's own text");
    page.Select(Chooser::Frequency, 2);
    page.Select(Chooser::Date, 30);
    ExpectShown(page, {u"every 3 months", u"Wendnesday", u"31", false, true, 2, 3, 31}, "date 31");
    page.Select(Chooser::Date, 31);  // outside the list: nothing changes
    page.Select(Chooser::Frequency, 3);
    ExpectShown(page, {u"never", u"Wendnesday", u"31", false, false, 3, 3, 31}, "never disables both");
    page.Show({kEveryWeek, 3, 7, {}});
    ExpectShown(page, {u"every week", u"Wednesday", u"07", true, false, 0, 3, 7}, "a loaded record");
    page.Never();
    ExpectShown(page, {u"never", u"Sunday", u"01", false, false, 3, 0, 1}, "never remind me");
    page.Defaults();
    ExpectShown(page, {u"every month", u"Monday", u"01", false, true, 1, 1, 1}, "Default");
}

TEST(ReminderSettings, PopupListsAndHeights) {
    EXPECT_EQ(ReminderSettings::Items(Chooser::Frequency),
              (std::vector<std::u16string>{u"every week", u"every month", u"every 3 months", u"never"}));
    EXPECT_EQ(ReminderSettings::Items(Chooser::Weekday).front(), u"Sunday");
    EXPECT_EQ(ReminderSettings::Items(Chooser::Date).size(), 31u);
    EXPECT_EQ(ReminderSettings::Items(Chooser::Date).back(), u"31");
    EXPECT_EQ(ReminderSettings::PopupHeight(Chooser::Frequency), 65);
    EXPECT_EQ(ReminderSettings::PopupHeight(Chooser::Date), 120);
}

}  // namespace
}  // namespace veltra
