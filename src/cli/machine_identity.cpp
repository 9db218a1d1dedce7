#include "cli/machine_identity.h"

#include "catalogue/installed_versions.h"
#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/machine_facts.h"
#include "cli/plain_text.h"
#include "cli/stream_message_box.h"
#include "core/vt5_record.h"
#include "hardware/bios_startup.h"
#include "hardware/dmi.h"
#include "hardware/pci_walk.h"
#include "hardware/porvik_startup.h"
#include "platform/platform.h"
#include "startup/hardware_identification.h"
#include "sysinfo/wmi_query.h"

namespace veltra {

int IdentifyThisMachine(const CliOptions& options, Platform& platform, IWmi& wmi, VT5Record& vt5,
                        MachineFacts& facts, std::ostream& err) {
    StreamMessageBox messages(err);
    const std::unique_ptr<CPorvikDriver> driver = CreatePorvikDriver(platform, messages);
    if (!driver) return 1;
    if (!IdentifyWorkFolder(options, platform, vt5, err)) return 1;
    const std::optional<BiosDriverOutcome> outcome = QueryBiosDriver(platform, vt5.nOS);
    if (!outcome) return 1;
    CWmiQuery query(wmi);
    PciBus pci(*driver);
    HardwareAccess hardware{pci, query};
    RunHardwareIdentification(platform, hardware, *outcome, vt5);
    facts = GatherMachineFacts(platform);
    facts.dmiBiosMajorRelease4 = IsDmiBiosMajorRelease4(*driver);
    return kIdentified;
}

int PrepareMachine(const CliOptions& options, Platform& platform, IWmi& wmi, VT5Record& vt5, CheckInputs& inputs,
                   std::unique_ptr<IInstalledVersions>& installed, std::ostream& err) {
    if (!options.identityFile) {
        MachineFacts facts;
        const int exitCode = IdentifyThisMachine(options, platform, wmi, vt5, facts, err);
        if (exitCode != kIdentified) return exitCode;
        inputs = facts.Inputs();
        installed = std::make_unique<RegistryInstalledVersions>(platform.registry, platform.codePage);
        return kIdentified;
    }
    if (!IdentifyWorkFolder(options, platform, vt5, err)) return 1;
    std::string error;
    installed = LoadSavedMachine(options, platform, vt5, inputs, error);
    if (installed) return kIdentified;
    err << "veltra-cli: " << PlainText(error) << '\n';
    return 2;
}

}  // namespace veltra
