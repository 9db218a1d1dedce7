#pragma once
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "catalogue/check_context.h"
#include "core/vt5_record.h"
#include "cli/fleet_report.h"
#include "cli/log_folder_in_memory.h"
#include "platform/platform.h"

namespace veltra {

class IWmi;
struct CliOptions;
struct UpdateServices;

// One saved identity read for the fleet report, ready for its checks.
struct FleetMachine {
    std::u16string file;
    VT5Record vt5;
    CheckInputs inputs;
    std::unique_ptr<IInstalledVersions> installed;
};

// The identity files of --identity, each read as "check --identity" reads it onto the work
// folder's record. A file that cannot be read, is not an identity or was saved in DQA TEST
// mode (whose catalogues are another set) is named on err and noted in the builder.
std::vector<FleetMachine> LoadFleet(const CliOptions& options, Platform& platform, const VT5Record& work,
                                    FleetReportBuilder& builder, std::ostream& err);

// The platform a fleet run works on: fetching the catalogues and running the checks as a scan
// does, it leaves this PC's own result list, history and last-scan time as they were.
class FleetPlatform {
public:
    explicit FleetPlatform(Platform& platform);
    Platform& Get() { return platform_; }

private:
    LogFolderInMemory files_;
    Platform platform_;
};

// The catalogues of the update server into the work folder, as "scan --identity" of the first
// PC fetches them (signed list included). False, with the transfers' outcomes, when any failed.
bool FetchFleetCatalogues(const CliOptions& options, const FleetMachine& first, Platform& platform, IWmi& wmi,
                          UpdateServices& services, std::ostream& err);

// Runs every machine's checks of these categories (their bits) over the work folder's
// catalogues and adds its results.
void CheckFleet(std::vector<FleetMachine>& fleet, Platform& platform, FleetReportBuilder& builder, int categories = 127);

}  // namespace veltra
