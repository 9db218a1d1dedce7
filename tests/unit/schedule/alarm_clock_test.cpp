#include <gtest/gtest.h>

#include <vector>

#include "schedule/alarm_clock.h"
#include "schedule_times.h"

namespace veltra {
namespace {

using testing_times::Local;
using testing_times::Wall;

struct Tick {
    std::int64_t now;
    bool fires;
};

struct AlarmCase {
    const char* what;
    ReminderRecord record;
    std::int64_t appliedAt;
    std::vector<Tick> ticks;
};

TEST(AlarmFiresNow, OncePerPeriodWhateverTheClockDoes) {
    const ReminderRecord sunday{kEveryWeek, 0, 1, Local(2010, 5, 8)};
    const AlarmCase cases[] = {
        {"weekly Sunday: midnight, a step back, the next week", sunday, Wall(2010, 5, 8, 12),
         {{Wall(2010, 5, 8, 23, 59, 59), false}, {Wall(2010, 5, 9), true}, {Wall(2010, 5, 9, 0, 0, 1), false},
          {Wall(2010, 5, 8, 23), false}, {Wall(2010, 5, 9), false},  // set back an hour: the same midnight again
          {Wall(2010, 5, 15, 23, 59, 59), false}, {Wall(2010, 5, 16), true}}},
        {"weekly Sunday: applied after this week's midnight", sunday, Wall(2010, 5, 9, 0, 0, 1),
         {{Wall(2010, 5, 9, 0, 0, 2), false}, {Wall(2010, 5, 16), true}}},
        {"monthly 31 (saved in February): the last day of April, then May 31st", {kEveryMonth, 1, 31, Local(2010, 2, 2)},
         Wall(2010, 4, 10),
         {{Wall(2010, 4, 29, 23, 59, 59), false}, {Wall(2010, 4, 30), true}, {Wall(2010, 5, 30), false}, {Wall(2010, 5, 31), true}}},
        {"3 months from November: February, then May", {kEvery3Months, 1, 15, Local(2010, 11, 20)}, Wall(2010, 11, 20, 9),
         {{Wall(2011, 1, 15), false}, {Wall(2011, 2, 14, 23, 59, 59), false}, {Wall(2011, 2, 15), true},
          {Wall(2011, 3, 15), false}, {Wall(2011, 4, 15), false}, {Wall(2011, 5, 15), true}}},
    };
    for (const AlarmCase& test : cases) {
        AlarmState state = AppliedState(test.record, test.appliedAt);
        for (const Tick& tick : test.ticks) {
            EXPECT_EQ(AlarmFiresNow(state, tick.now), tick.fires) << test.what << " at " << FromWallSeconds(tick.now).day;
        }
    }
}

}  // namespace
}  // namespace veltra
