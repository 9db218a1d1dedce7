#include "transfer/transfer_watchdog.h"

namespace veltra {

WatchdogVerdict TransferWatchdog::Tick(std::uint64_t now) {
    if (!started_) {
        started_ = true;
        startedAt_ = lastProgressAt_ = now;
    }
    if (progressed_) lastProgressAt_ = now;
    progressed_ = false;
    if (stopRequested_ && !stopSeen_) {
        stopSeen_ = true;
        stopAt_ = now;
    }
    if (stopSeen_ && now - stopAt_ >= kStopGraceMilliseconds) return WatchdogVerdict::Stopped;
    if (now - startedAt_ >= transferMilliseconds_) return WatchdogVerdict::TooLong;
    if (now - lastProgressAt_ >= stallMilliseconds_) return WatchdogVerdict::Stalled;
    return WatchdogVerdict::Running;
}

}  // namespace veltra
