#pragma once
#include <functional>
#include <optional>
#include <string>

#include "hardware/bios_info_record.h"
#include "startup/main_setup.h"

namespace veltra {

struct HardwareAccess;
struct Platform;
struct VT5Record;

// Loads the BIOS-access driver and asks it about the board; nullopt when the driver cannot
// be loaded, after which the program ends.
using BiosDriverQuery = std::function<std::optional<BiosDriverOutcome>()>;

struct IdentificationSequenceResult {
    MainSetupResult setup;
    bool biosDriverLoaded = false;
};

// The whole start-up identification of the main set-up in its fixed order: the dual-BIOS
// check, the set-up steps up to the operating system, the BIOS-access driver, then the
// hardware identification.
IdentificationSequenceResult RunIdentificationSequence(Platform& platform, HardwareAccess& hardware,
                                                       const BiosDriverQuery& queryBiosDriver, VT5Record& vt5,
                                                       const std::u16string& commandLine,
                                                       const MainSetupHooks& hooks = {});

}  // namespace veltra
