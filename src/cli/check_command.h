#pragma once
#include <ostream>

namespace veltra {

struct CliOptions;
struct Platform;

// "check": the check phase over the work folder's catalogues, for this machine or a saved one.
int RunCheckCommand(const CliOptions& options, Platform& platform, std::ostream& out, std::ostream& err);
// "list": the rows of the existing "CheckList.rec".
int RunListCommand(const CliOptions& options, Platform& platform, std::ostream& out, std::ostream& err);

}  // namespace veltra
