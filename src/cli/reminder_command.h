#pragma once
#include <ostream>

namespace veltra {

struct CliOptions;
struct Platform;

// "reminder": the schedule, whether it is due now and the clock's next alarm.
// "reminder set ...": stores a schedule as the Setting page's Apply does, then prints it.
int RunReminderCommand(const CliOptions& options, Platform& platform, std::ostream& out, std::ostream& err);

}  // namespace veltra
