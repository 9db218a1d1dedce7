#include "schedule/reminder_record.h"

#include "core/byte_buffer.h"
#include "core/calendar.h"
#include "core/record_file.h"

namespace veltra {
namespace {

constexpr const char16_t* kFrequencyNames[] = {u"every week", u"every month", u"every 3 months", u"never"};
constexpr const char16_t* kWeekdayNames[] = {u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                             u"Thursday", u"Friday", u"Saturday"};

}  // namespace

std::array<unsigned char, kReminderBytes> ReminderBytes(const ReminderRecord& record) {
    std::array<unsigned char, kReminderBytes> bytes{};
    PutI32(bytes, 0, record.frequency);
    PutI32(bytes, 4, record.weekday);
    PutI32(bytes, 8, record.date);
    PutDateTime(bytes, 12, record.saved);
    return bytes;
}

std::optional<ReminderRecord> ParseReminder(std::span<const unsigned char> bytes) {
    if (bytes.size() != kReminderBytes) return std::nullopt;
    ReminderRecord record{GetI32(bytes, 0), GetI32(bytes, 4), GetI32(bytes, 8), GetDateTime(bytes, 12)};
    const bool inRange = record.frequency >= kEveryWeek && record.frequency <= kNever && record.weekday >= 0 &&
                         record.weekday <= 6 && record.date >= 1 && record.date <= 31;
    if (!inRange || !IsCalendarDate(record.saved)) return std::nullopt;
    return record;
}

std::u16string ReminderPath(const std::u16string& workPath) { return RecordPath(workPath, u"VT5\\LOG", u"Reminder.rec"); }

void SaveReminder(IFileSystem& fileSystem, const std::u16string& path, ReminderRecord& record, IClock& clock) {
    record.saved = clock.LocalNow();
    std::unique_ptr<IFile> file = fileSystem.Open(path, FileOpenMode::ReadWriteTruncate);
    if (!file) return;
    const auto bytes = ReminderBytes(record);
    file->Write(bytes.data(), bytes.size());
}

ReminderRecord LoadReminder(IFileSystem& fileSystem, const std::u16string& path, IClock& clock) {
    if (std::unique_ptr<IFile> file = fileSystem.Open(path, FileOpenMode::ReadOnly)) {
        // One byte more than a record, so a longer file is told apart from a whole one.
        std::array<unsigned char, kReminderBytes + 1> bytes{};
        const std::size_t read = file->Read(bytes.data(), bytes.size());
        if (auto record = ParseReminder(std::span(bytes).first(read))) return *record;
    }
    ReminderRecord defaults;
    SaveReminder(fileSystem, path, defaults, clock);
    return defaults;
}

std::u16string FrequencyName(std::int32_t frequency) {
    return frequency >= 0 && frequency <= kNever ? kFrequencyNames[frequency] : u"";
}

std::u16string WeekdayName(std::int32_t weekday) { return weekday >= 0 && weekday <= 6 ? kWeekdayNames[weekday] : u""; }

}  // namespace veltra
