#pragma once
#include <ostream>

namespace veltra {

struct CliOptions;
struct Platform;
struct UpdateServices;

// "verify": checks an update server (or a local copy of its tree, --tree) against the
// pinned key: each folder's signed list, then every file it lists. 0 when all is as signed.
int RunVerifyCommand(const CliOptions& options, Platform& platform, UpdateServices& services, std::ostream& out,
                     std::ostream& err);

}  // namespace veltra
