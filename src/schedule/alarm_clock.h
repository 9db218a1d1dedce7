#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/clock.h"
#include "schedule/reminder_record.h"

namespace veltra {

// What the clock thread compares against: local wall-clock seconds (core/calendar.h).
struct AlarmState {
    std::int32_t frequency = kEveryWeek;
    std::int32_t weekday = 0;
    std::int32_t date = 1;    // a day past a month's end means its last day
    std::int64_t target = 0;  // the first period's reference: its month and time of day
    // The last occurrence that fired (or the time the schedule was applied). An occurrence
    // fires once when it is the latest at or before now and later than this, so a clock
    // that jumps ahead fires once and a clock set back does not fire the same period again.
    std::int64_t settled = 0;
};

// Local midnight of the record's date in the month of its saved time.
std::int64_t ClockTarget(const ReminderRecord& record);
// The state after Apply: the record's schedule, nothing before `now` left to fire.
AlarmState AppliedState(const ReminderRecord& record, std::int64_t now);
// One turn of the clock: true when an alarm fires now; advances `state`.
bool AlarmFiresNow(AlarmState& state, std::int64_t now);
// When the clock fires next after `now`; empty for "never".
std::optional<std::int64_t> NextAlarm(const AlarmState& state, std::int64_t now);

// The clock thread: one turn per second until stopped. OnAlarm runs on that thread.
class CAlarmClock {
public:
    explicit CAlarmClock(IClock& clock);
    virtual ~CAlarmClock();
    CAlarmClock(const CAlarmClock&) = delete;
    CAlarmClock& operator=(const CAlarmClock&) = delete;

    // Starts the thread; the constructor leaves it not running, as a derived page's
    // set-up must finish first.
    void Start();
    // Ends the thread at its next turn and waits for it; a derived class calls it in its
    // own destructor, before the object OnAlarm uses is gone.
    void Stop();
    void ApplyToClock(const ReminderRecord& record);
    AlarmState State();

protected:
    virtual void OnAlarm() {}

private:
    void Run();

    IClock& clock_;
    std::mutex lock_;
    AlarmState state_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace veltra
