#include "cli/reminder_command.h"

#include <array>
#include <optional>

#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/json.h"
#include "core/byte_buffer.h"
#include "core/calendar.h"
#include "core/last_scan.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "platform/platform.h"
#include "schedule/alarm_clock.h"
#include "schedule/reminder_due.h"
#include "schedule/reminder_record.h"

namespace veltra {
namespace {

struct ReminderReport {
    ReminderRecord record;
    bool dueAtStart = false;
    bool dueSinceLastScan = false;
    std::optional<std::int64_t> next;  // local wall seconds
};

// "2010/11/20 13:05:09", as the program writes dates.
std::string TimeText(const DateTime& time) {
    return Utf16ToUtf8(DecimalText(time.year, 4) + u"/" + DecimalText(time.month, 2) + u"/" + DecimalText(time.day, 2) +
                       u" " + DecimalText(time.hour, 2) + u":" + DecimalText(time.minute, 2) + u":" +
                       DecimalText(time.second, 2));
}

// The last scan's local date from "Veltra.rec"; zeros ("never") when it cannot be read.
DateTime ReadLastScan(IFileSystem& fileSystem, const std::u16string& workPath) {
    std::array<unsigned char, kDateTimeBytes> bytes{};
    std::unique_ptr<IFile> file = fileSystem.Open(LastScanPath(workPath), FileOpenMode::ReadOnly);
    if (!file || file->Read(bytes.data(), bytes.size()) != bytes.size()) return {};
    return GetDateTime(bytes, 0);
}

// What the program would decide if it started now: the start-up check against
// "LastTime.rec", the periodic check against the last scan, and the clock.
ReminderReport Assess(Platform& platform, const std::u16string& workPath, const ReminderRecord& record) {
    IClock& clock = platform.clock;
    const DateTime now = clock.LocalNow();
    const std::int64_t lastRun = ReadLastTime(platform.fileSystem, LastTimePath(workPath), clock.ToSeconds(now));
    bool lastRunDue = false;
    ReminderReport report{record, false, false, std::nullopt};
    report.dueAtStart = IsReminderDue(clock.ToLocal(lastRun), record, now, lastRunDue) == 1;
    report.dueSinceLastScan = IsPeriodicReminderDue(now, ReadLastScan(platform.fileSystem, workPath), record);
    report.next = NextAlarm(AppliedState(record, WallSeconds(now)), WallSeconds(now));
    return report;
}

void Print(const ReminderReport& report, bool json, std::ostream& out) {
    const ReminderRecord& record = report.record;
    const std::string next = report.next ? TimeText(FromWallSeconds(*report.next)) : "none";
    if (!json) {
        out << "frequency: " << Utf16ToUtf8(FrequencyName(record.frequency)) << '\n'
            << "weekday: " << Utf16ToUtf8(WeekdayName(record.weekday)) << '\n'
            << "date: " << Utf16ToUtf8(DecimalText(record.date, 2)) << '\n'
            << "saved: " << TimeText(record.saved) << '\n'
            << "due at start: " << (report.dueAtStart ? "yes" : "no") << '\n'
            << "due since last scan: " << (report.dueSinceLastScan ? "yes" : "no") << '\n'
            << "next reminder: " << next << '\n';
        return;
    }
    JsonValue value;
    value.Add("frequency", Utf16ToUtf8(FrequencyName(record.frequency)));
    value.Add("weekday", Utf16ToUtf8(WeekdayName(record.weekday)));
    value.Add("date", record.date);
    value.Add("saved", TimeText(record.saved));
    value.Add("dueAtStart", report.dueAtStart);
    value.Add("dueSinceLastScan", report.dueSinceLastScan);
    value.Add("next", report.next ? JsonValue(next) : JsonValue());
    out << value.Serialize() << '\n';
}

}  // namespace

int RunReminderCommand(const CliOptions& options, Platform& platform, std::ostream& out, std::ostream& err) {
    VT5Record vt5;
    if (!IdentifyWorkFolder(options, platform, vt5, err)) return 1;
    const std::u16string path = ReminderPath(vt5.sWorkPath);
    ReminderRecord record = LoadReminder(platform.fileSystem, path, platform.clock);
    if (options.reminderFrequency) {
        record.frequency = *options.reminderFrequency;
        record.weekday = options.reminderWeekday.value_or(record.weekday);
        record.date = options.reminderDate.value_or(record.date);
        SaveReminder(platform.fileSystem, path, record, platform.clock);
    }
    Print(Assess(platform, vt5.sWorkPath, record), options.json, out);
    return 0;
}

}  // namespace veltra
