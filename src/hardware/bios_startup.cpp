#include "hardware/bios_startup.h"

#include "core/debug_log.h"
#include "hardware/bios_driver.h"
#include "platform/platform.h"

namespace veltra {

std::optional<BiosDriverOutcome> QueryBiosDriver(Platform& platform, int osCode) {
    DeviceHandle device = 0;
    if (!LoadBiosDriver(platform, osCode, device)) {
        DebugLog(u"Load norvabios fail...");
        DebugLog(u"Checking driver...");
        platform.processExit.Exit(0);
        return std::nullopt;
    }
    BiosDriverOutcome outcome;
    if (IdentifyBoard(platform.devices, device) == 0) return outcome;
    outcome.identified = true;
    // A failed read leaves the record's strings empty, which the parse then treats as unknown.
    ReadBiosInfo(platform.devices, outcome.record, device);
    return outcome;
}

}  // namespace veltra
