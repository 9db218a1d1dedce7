#include "startup/identification_sequence.h"

#include "hardware/dual_bios.h"
#include "platform/platform.h"
#include "startup/hardware_identification.h"

namespace veltra {

IdentificationSequenceResult RunIdentificationSequence(Platform& platform, HardwareAccess& hardware,
                                                       const BiosDriverQuery& queryBiosDriver, VT5Record& vt5,
                                                       const std::u16string& commandLine,
                                                       const MainSetupHooks& hooks) {
    IdentificationSequenceResult result;
    CheckDualBios(hardware.pci, platform.clock, platform.messageBox);
    result.setup = RunMainSetup(platform, vt5, commandLine, hooks);
    if (!result.setup.identified) return result;
    const std::optional<BiosDriverOutcome> outcome = queryBiosDriver();
    result.biosDriverLoaded = outcome.has_value();
    if (outcome) RunHardwareIdentification(platform, hardware, *outcome, vt5);
    return result;
}

}  // namespace veltra
