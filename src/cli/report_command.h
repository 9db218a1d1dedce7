#pragma once
#include <ostream>

namespace veltra {

class IWmi;
struct CliOptions;
struct Platform;
struct UpdateServices;

// "report --identity FILE...": the catalogues fetched once from the update server as a scan
// fetches them, the checks of every saved identity over them, and one table of which PC needs
// which update (plain, --json or --csv; --html FILE writes a page too). Exit code 1 only when
// no identity could be read, the catalogues could not be had or the page not written.
int RunReportCommand(const CliOptions& options, Platform& platform, IWmi& wmi, UpdateServices& services,
                     std::ostream& out, std::ostream& err);

}  // namespace veltra
