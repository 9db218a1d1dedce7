#pragma once
#include <cstdint>

namespace veltra {

// Why a running transfer must end now.
enum class WatchdogVerdict { Running, Stalled, TooLong, Stopped };

// The engine's watch over one transfer, fed with the ticks of a monotonic clock: a
// transfer ends when no progress came for the stall limit, when it runs past the overall
// limit, or a moment after a stop request the service did not act on, whatever the server
// does.
class TransferWatchdog {
public:
    TransferWatchdog(std::uint64_t stallMilliseconds, std::uint64_t transferMilliseconds)
        : stallMilliseconds_(stallMilliseconds), transferMilliseconds_(transferMilliseconds) {}

    void Start() { *this = TransferWatchdog(stallMilliseconds_, transferMilliseconds_); }
    void Progress() { progressed_ = true; }
    void StopRequested() { stopRequested_ = true; }
    WatchdogVerdict Tick(std::uint64_t now);

    // Time the service has to act on a stop request before the transfer is let go.
    static constexpr std::uint64_t kStopGraceMilliseconds = 500;

private:
    std::uint64_t stallMilliseconds_;
    std::uint64_t transferMilliseconds_;
    bool started_ = false;
    bool progressed_ = false;
    bool stopRequested_ = false;
    bool stopSeen_ = false;
    std::uint64_t startedAt_ = 0;
    std::uint64_t lastProgressAt_ = 0;
    std::uint64_t stopAt_ = 0;
};

}  // namespace veltra
