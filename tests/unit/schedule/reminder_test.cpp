#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/fake_platform.h"
#include "schedule/reminder_record.h"
#include "schedule/reminder_settings.h"
#include "schedule/reminder_slide.h"

namespace veltra {
namespace {

constexpr char16_t kPath[] = u"C:\\V\\VT5\\LOG\\Reminder.rec";

std::vector<unsigned char> Bytes(const ReminderRecord& record) {
    const auto bytes = ReminderBytes(record);
    return {bytes.begin(), bytes.end()};
}

class ReminderRecordTest : public ::testing::Test {
protected:
    ReminderRecordTest() { files.AddFolder(u"C:\\V\\VT5\\LOG"); }
    fakes::FakeFileSystem files;
    fakes::FakeClock clock;
    const ReminderRecord defaults{kEveryMonth, 1, 1, clock.now};
};

TEST_F(ReminderRecordTest, UnusableFilesGiveTheDefaultsAndAreRewritten) {
    struct Case {
        const char* what;
        std::size_t size, offset;
        std::vector<unsigned char> patch;  // over a sound record's bytes
    };
    const Case cases[] = {
        {"empty", 0, 0, {}},           {"short", 27, 0, {}},       {"long", 29, 0, {}},
        {"frequency 4", 28, 0, {4}},   {"frequency -1", 28, 0, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"weekday 7", 28, 4, {7}},     {"date 0", 28, 8, {0}},     {"date 32", 28, 8, {32}},
        {"month 13", 28, 14, {13}},    {"year 1899", 28, 12, {0x6B, 0x07}},
        {"2010-02-30", 28, 14, {2, 0, 0, 0, 30}},
    };
    for (const Case& test : cases) {
        std::vector<unsigned char> bytes = Bytes({kEveryWeek, 3, 15, {2010, 5, 1, 3, 0, 0, 0, 0}});
        bytes.resize(test.size, 0);
        std::copy(test.patch.begin(), test.patch.end(), bytes.begin() + static_cast<std::ptrdiff_t>(test.offset));
        files.AddFile(kPath, bytes);
        EXPECT_EQ(LoadReminder(files, kPath, clock), defaults) << test.what;
        EXPECT_EQ(files.Contents(kPath), Bytes(defaults)) << test.what;
    }
}

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
    page.Show({kEveryWeek, 3, 7, {}});
    EXPECT_EQ(Shown(page), "every week|Wednesday+|07|03,7") << "a loaded record";
    page.Never();
    EXPECT_EQ(Shown(page), "never|Sunday|01|30,1");
}

// The positions the slide moves to, ticking the timers it asks for from `timer` until it
// asks for `until`; `last` is the final step.
std::vector<int> Tick(ReminderSlide& slide, unsigned timer, unsigned until, SlideStep& last) {
    std::vector<int> positions;
    for (int guard = 0; guard < 1000 && timer != until; ++guard, timer = last.nextTimer) {
        last = slide.OnTimer(timer);
        if (last.moveToY) positions.push_back(*last.moveToY);
    }
    return positions;
}

TEST(ReminderSlide, UpThreePixelsPer30MsStaysThenDownAndAgain) {
    ReminderSlide slide(768);
    SlideStep step = slide.OnTimer(kPromptStart);
    const std::vector<int> up = Tick(slide, kPromptSlideUp, kPromptStay, step);
    EXPECT_EQ(std::vector<int>({int(up.size()), up.front(), up.back(), int(step.period)}), std::vector<int>({64, 765, 576, 20'000}));
    const std::vector<int> down = Tick(slide, kPromptStay, kPromptStart, step);
    EXPECT_EQ(std::vector<int>({int(down.size()), down.front(), down.back(), int(step.period)}),
              std::vector<int>({64, 580, 769, 300'000}));
    EXPECT_EQ(slide.Offset(), 0);
}

}  // namespace
}  // namespace veltra
