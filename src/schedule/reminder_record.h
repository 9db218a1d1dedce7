#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace veltra {

enum ReminderFrequency : std::int32_t { kEveryWeek = 0, kEveryMonth = 1, kEvery3Months = 2, kNever = 3 };

// "Reminder.rec": the schedule, 28 bytes little-endian.
struct ReminderRecord {
    std::int32_t frequency = kEveryMonth;
    std::int32_t weekday = 1;  // 0 Sunday
    std::int32_t date = 1;     // day of the month
    DateTime saved;            // local time of the last write
    bool operator==(const ReminderRecord&) const = default;
};

constexpr std::size_t kReminderBytes = 28;

std::array<unsigned char, kReminderBytes> ReminderBytes(const ReminderRecord& record);
// Empty unless the bytes are a whole record with every field in its range and a saved
// time that is a calendar date, so no schedule is ever computed from garbage.
std::optional<ReminderRecord> ParseReminder(std::span<const unsigned char> bytes);

std::u16string ReminderPath(const std::u16string& workPath);

// Saves the record with its saved time set to now.
void SaveReminder(IFileSystem& fileSystem, const std::u16string& path, ReminderRecord& record, IClock& clock);
// The stored schedule; a missing, short or invalid file is replaced by the defaults.
ReminderRecord LoadReminder(IFileSystem& fileSystem, const std::u16string& path, IClock& clock);

// The names the Setting page and the console show.
std::u16string FrequencyName(std::int32_t frequency);
std::u16string WeekdayName(std::int32_t weekday);

}  // namespace veltra
