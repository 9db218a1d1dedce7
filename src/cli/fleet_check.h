#pragma once
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "catalogue/check_context.h"
#include "core/vt5_record.h"
#include "cli/fleet_report.h"

namespace veltra {

class IWmi;
struct CliOptions;
struct Platform;
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

// Runs every machine's checks of these categories (their bits) over the work folder's
// catalogues and adds its results.
void CheckFleet(std::vector<FleetMachine>& fleet, Platform& platform, FleetReportBuilder& builder, int categories = 127);

// The identities of --identity checked for these categories over the update server's
// catalogues, fetched once into the work folder as "scan --identity" of the first PC fetches
// them; this PC's own result list, history and last-scan time stay as they were. Nothing,
// with the reason on err, when no identity could be read or the catalogues could not be had.
std::optional<FleetReport> CheckSavedFleet(const CliOptions& options, Platform& platform, IWmi& wmi,
                                           UpdateServices& services, int categories, std::ostream& err);

}  // namespace veltra
