#pragma once
#include <array>
#include <string>
#include <vector>

#include "schedule/reminder_record.h"

namespace veltra {

// The Setting page's three chooser buttons, in the order they stand.
enum class Chooser { Frequency, Weekday, Date };

struct ChooserLook {
    std::u16string text;
    bool enabled = true;
};

// The Setting page without its window: the record it edits and what its buttons show.
// Nothing is saved here; Apply saves the record.
class ReminderSettings {
public:
    ReminderSettings() { Defaults(); }

    // Every month on the 1st, weekday Monday shown as stored.
    void Defaults();
    void Show(const ReminderRecord& record);
    // An item chosen in a chooser's list: the list index is the stored value (date + 1).
    void Select(Chooser chooser, int index);
    // "Never remind me": never, Sunday, the 1st.
    void Never();

    const ReminderRecord& Record() const { return record_; }
    ReminderRecord& Record() { return record_; }
    const ChooserLook& Look(Chooser chooser) const { return looks_[static_cast<std::size_t>(chooser)]; }
    // What Apply stored, in a line: "Reminder set: every month, day 1".
    std::u16string Summary() const;

    // The items of a chooser's list popup and the popup's height in pixels.
    static std::vector<std::u16string> Items(Chooser chooser);
    static int PopupHeight(Chooser chooser);

private:
    void EnableFor(std::int32_t frequency);

    ReminderRecord record_;
    std::array<ChooserLook, 3> looks_;
};

}  // namespace veltra
