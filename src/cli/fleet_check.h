#pragma once
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "catalogue/check_context.h"
#include "core/vt5_record.h"
#include "cli/fleet_report.h"

namespace veltra {

struct CliOptions;
struct Platform;

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

// Runs every machine's checks over the work folder's catalogues and adds its results.
void CheckFleet(std::vector<FleetMachine>& fleet, Platform& platform, FleetReportBuilder& builder);

}  // namespace veltra
