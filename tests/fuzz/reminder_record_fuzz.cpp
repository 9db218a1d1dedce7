// Reminder.rec as found on disk: any bytes give a sound schedule and a whole record on
// disk, and the checks and the clock computed from it stay within the calendar.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/calendar.h"
#include "fakes/fake_platform.h"
#include "schedule/alarm_clock.h"
#include "schedule/reminder_due.h"
#include "schedule/reminder_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    veltra::fakes::FakeFileSystem files;
    const std::u16string path = u"C:\\Reminder.rec";
    files.AddFile(path, std::vector<unsigned char>(data, data + size));
    veltra::fakes::FakeClock clock;
    const veltra::ReminderRecord record = veltra::LoadReminder(files, path, clock);
    const std::vector<unsigned char> stored = files.Contents(path);
    if (!veltra::ParseReminder(stored) || *veltra::ParseReminder(stored) != record) __builtin_trap();

    bool lastRunDue = false;
    veltra::IsReminderDue(record.saved, record, clock.now, lastRunDue);
    veltra::IsPeriodicReminderDue(clock.now, record.saved, record);
    veltra::AlarmState state = veltra::AppliedState(record, veltra::WallSeconds(record.saved));
    if (!veltra::IsCalendarDate(veltra::FromWallSeconds(state.target))) __builtin_trap();
    veltra::AlarmFiresNow(state, veltra::WallSeconds(clock.now));
    return 0;
}
