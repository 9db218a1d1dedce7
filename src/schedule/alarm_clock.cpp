#include "schedule/alarm_clock.h"

#include <algorithm>

#include "core/calendar.h"

namespace veltra {
namespace {


// The latest occurrence at or before `now`; 0 (1970) when there is none yet.
std::int64_t LatestOccurrence(const AlarmState& state, std::int64_t now) {
    const DateTime target = FromWallSeconds(state.target);
    const std::int64_t timeOfDay = target.hour * 3600 + target.minute * 60 + target.second;
    const DateTime today = FromWallSeconds(now);
    if (state.frequency == kEveryWeek) {
        const std::int64_t back = (today.dayOfWeek - state.weekday + 7) % 7;
        std::int64_t latest = WallSeconds(DateAt(WallSeconds(today) / kSecondsPerDay - back)) + timeOfDay;
        return latest > now ? latest - 7 * kSecondsPerDay : latest;
    }
    if (state.frequency == kEveryMonth) {
        for (int months : {0, -1}) {
            const std::int64_t latest = WallSeconds(MonthDay(today.year, today.month, months, state.date)) + timeOfDay;
            if (latest <= now) return latest;
        }
        return 0;
    }
    // Every three months: the target's month plus a multiple of three, never the target
    // itself; so each reminder's period runs three months on from the one before.
    const int monthsSince = (today.year - target.year) * 12 + today.month - target.month;
    for (int months = monthsSince - monthsSince % 3; months >= 3; months -= 3) {
        const std::int64_t latest = WallSeconds(MonthDay(target.year, target.month, months, state.date)) + timeOfDay;
        if (latest <= now) return latest;
    }
    return 0;
}

}  // namespace

std::int64_t ClockTarget(const ReminderRecord& record) {
    return WallSeconds(MonthDay(record.saved.year, record.saved.month, 0, record.date));
}

AlarmState AppliedState(const ReminderRecord& record, std::int64_t now) {
    return {record.frequency, record.weekday, record.date, ClockTarget(record), now};
}

bool AlarmFiresNow(AlarmState& state, std::int64_t now) {
    if (state.frequency < kEveryWeek || state.frequency >= kNever) return false;
    const std::int64_t latest = LatestOccurrence(state, now);
    if (latest <= state.settled) return false;
    state.settled = latest;
    return true;
}

std::optional<std::int64_t> NextAlarm(const AlarmState& state, std::int64_t now) {
    if (state.frequency < kEveryWeek || state.frequency >= kNever) return std::nullopt;
    // A clock set back before the last alarm waits for the period after it.
    const std::int64_t after = std::max(now, state.settled);
    // Every period is shorter than four months, so a day-by-day probe meets the next one.
    for (std::int64_t probe = after + kSecondsPerDay; probe <= after + 124 * kSecondsPerDay; probe += kSecondsPerDay) {
        const std::int64_t latest = LatestOccurrence(state, probe);
        if (latest > after) return latest;
    }
    return std::nullopt;
}

CAlarmClock::CAlarmClock(IClock& clock) : clock_(clock) { state_.target = WallSeconds(clock.LocalNow()); }

CAlarmClock::~CAlarmClock() { Stop(); }

void CAlarmClock::Start() {
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
}

void CAlarmClock::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
}

void CAlarmClock::ApplyToClock(const ReminderRecord& record) {
    const std::int64_t now = WallSeconds(clock_.LocalNow());
    std::lock_guard guard(lock_);
    state_ = AppliedState(record, now);
}

AlarmState CAlarmClock::State() {
    std::lock_guard guard(lock_);
    return state_;
}

void CAlarmClock::Run() {
    while (!stop_) {
        bool fires = false;
        {
            std::lock_guard guard(lock_);
            fires = AlarmFiresNow(state_, WallSeconds(clock_.LocalNow()));
        }
        // Outside the lock, so OnAlarm may apply a schedule itself.
        if (fires) OnAlarm();
        clock_.SleepMilliseconds(1000);
    }
}

}  // namespace veltra
