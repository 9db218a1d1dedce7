#include <gtest/gtest.h>

#include "schedule/reminder_settings.h"

namespace veltra {
namespace {

// "frequency|weekday|date" as the buttons show them, "+" for an enabled weekday or date
// button, then the stored frequency, weekday and date.
std::string Shown(const ReminderSettings& page) {
    std::u16string text;
    for (Chooser chooser : {Chooser::Frequency, Chooser::Weekday, Chooser::Date}) {
        const ChooserLook& look = page.Look(chooser);
        text += look.text + (look.enabled && chooser != Chooser::Frequency ? u"+|" : u"|");
    }
    const ReminderRecord& r = page.Record();
    return std::string(text.begin(), text.end()) + std::to_string(r.frequency) + std::to_string(r.weekday) + "," + std::to_string(r.date);
}

TEST(ReminderSettings, ChoosersShowAndStoreWhatIsChosen) {
    ReminderSettings page;
    EXPECT_EQ(Shown(page), "every month|Monday|01+|11,1") << "the defaults show the stored weekday";
    page.Select(Chooser::Frequency, 0);
    page.Select(Chooser::Weekday, 3);
    EXPECT_EQ(Shown(page), "every week|Wendnesday+|01|03,1") << "the list's own text";
    page.Select(Chooser::Frequency, 2);
    page.Select(Chooser::Date, 30);
    page.Select(Chooser::Date, 31);  // not in the list: nothing changes
    EXPECT_EQ(Shown(page), "every 3 months|Wendnesday|31+|23,31");
    page.Select(Chooser::Frequency, 3);
    EXPECT_EQ(Shown(page), "never|Wendnesday|31|33,31");
    page.Show({kEveryWeek, 3, 7, {}});
    EXPECT_EQ(Shown(page), "every week|Wednesday+|07|03,7") << "a loaded record";
    page.Never();
    EXPECT_EQ(Shown(page), "never|Sunday|01|30,1");
    page.Defaults();
    EXPECT_EQ(Shown(page), "every month|Monday|01+|11,1");
    EXPECT_EQ(ReminderSettings::Items(Chooser::Frequency).size(), 4u);
    EXPECT_EQ(ReminderSettings::Items(Chooser::Date).back(), u"31");
    EXPECT_EQ(ReminderSettings::PopupHeight(Chooser::Date), 120);
}

}  // namespace
}  // namespace veltra
