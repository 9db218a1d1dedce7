#include "schedule/reminder_settings.h"

#include "core/text.h"

namespace veltra {
namespace {

// The weekday list's own texts, Sunday first, as the popup shows them.
constexpr const char16_t* kWeekdayItems[] = {u"Sunday",   u"Monday", u"Tuesday", u"Wendnesday",
                                             u"Thursday", u"Friday", u"Saturday"};

ChooserLook& At(std::array<ChooserLook, 3>& looks, Chooser chooser) { return looks[static_cast<std::size_t>(chooser)]; }

}  // namespace

void ReminderSettings::Defaults() { Show({kEveryMonth, 1, 1, record_.saved}); }

void ReminderSettings::Show(const ReminderRecord& record) {
    record_ = record;
    At(looks_, Chooser::Frequency).text = FrequencyName(record.frequency);
    At(looks_, Chooser::Weekday).text = WeekdayName(record.weekday);
    At(looks_, Chooser::Date).text = DecimalText(record.date, 2);
    EnableFor(record.frequency);
}

void ReminderSettings::Select(Chooser chooser, int index) {
    const std::vector<std::u16string> items = Items(chooser);
    if (index < 0 || index >= static_cast<int>(items.size())) return;
    At(looks_, chooser).text = items[static_cast<std::size_t>(index)];
    switch (chooser) {
        case Chooser::Frequency: record_.frequency = index; EnableFor(index); break;
        case Chooser::Weekday: record_.weekday = index; break;
        case Chooser::Date: record_.date = index + 1; break;
    }
}

void ReminderSettings::Never() { Show({kNever, 0, 1, record_.saved}); }

void ReminderSettings::EnableFor(std::int32_t frequency) {
    At(looks_, Chooser::Frequency).enabled = true;
    At(looks_, Chooser::Weekday).enabled = frequency == kEveryWeek;
    At(looks_, Chooser::Date).enabled = frequency == kEveryMonth || frequency == kEvery3Months;
}

std::vector<std::u16string> ReminderSettings::Items(Chooser chooser) {
    std::vector<std::u16string> items;
    switch (chooser) {
        case Chooser::Frequency:
            for (std::int32_t frequency = kEveryWeek; frequency <= kNever; ++frequency) items.push_back(FrequencyName(frequency));
            break;
        case Chooser::Weekday: items.assign(std::begin(kWeekdayItems), std::end(kWeekdayItems)); break;
        case Chooser::Date:
            for (int date = 1; date <= 31; ++date) items.push_back(DecimalText(date, 2));
            break;
    }
    return items;
}

std::u16string ReminderSettings::Summary() const {
    std::u16string summary = u"Reminder set: " + FrequencyName(record_.frequency);
    if (record_.frequency == kEveryWeek) summary += u", " + WeekdayName(record_.weekday);
    if (record_.frequency == kEveryMonth || record_.frequency == kEvery3Months) summary += u", day " + DecimalText(record_.date);
    return summary;
}

int ReminderSettings::PopupHeight(Chooser chooser) { return chooser == Chooser::Frequency ? 65 : 120; }

}  // namespace veltra
