#include "hardware/bios_startup.h"

#include "app/debug_log.h"
#include "platform/platform.h"

namespace veltra {

BiosDriverOutcome RunBiosDriverStep(Platform& platform, int osCode) {
    BiosDriverOutcome outcome;
    if (!LoadBiosDriver(platform, osCode, outcome.device)) {
        DebugLog(u"Load norvabios fail...");
        DebugLog(u"Checking driver...");
        platform.processExit.Exit(0);
        return outcome;
    }
    outcome.loaded = true;
    if (IdentifyBoard(platform.devices, outcome.device) == 0) return outcome;
    outcome.identified = true;
    // A failed read leaves the record's strings empty, which the parse then treats as unknown.
    ReadBiosInfo(platform.devices, outcome.record, outcome.device);
    return outcome;
}

}  // namespace veltra
