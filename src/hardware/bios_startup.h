#pragma once
#include "hardware/bios_driver.h"

namespace veltra {

struct Platform;

// What the BIOS-access driver told the start-up about the board.
struct BiosDriverOutcome {
    bool loaded = false;      // false: the process has been ended
    bool identified = false;  // the board is one the driver knows
    BiosInfoRecord record{};  // filled when identified
    DeviceHandle device = 0;  // kept open to the end of the process
};

// The start-up's BIOS-driver step: load the driver (when that fails, log "Load norvabios
// fail..." and "Checking driver..." and end the process with exit code 0), identify the
// board and, for a known board, read the information record.
BiosDriverOutcome RunBiosDriverStep(Platform& platform, int osCode);

}  // namespace veltra
