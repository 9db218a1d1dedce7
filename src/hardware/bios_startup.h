#pragma once
#include <optional>

#include "hardware/bios_info_record.h"

namespace veltra {

struct Platform;

// The start-up's BIOS-driver step: load the driver, identify the board and, for a known
// board, read the information record. When the driver cannot be loaded it logs "Load
// norvabios fail..." and "Checking driver...", ends the process with exit code 0 and
// gives nullopt. The driver's device stays open to the end of the process.
std::optional<BiosDriverOutcome> QueryBiosDriver(Platform& platform, int osCode);

}  // namespace veltra
