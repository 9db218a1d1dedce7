#pragma once
#include <ostream>

namespace veltra {

struct CliOptions;
struct Platform;
struct UpdateServices;

// "mirror --to DIR": the update server's signed lists, catalogues and files copied into DIR,
// each file checked against its list as it arrives, the lists placed last. 0 when all is there.
int RunMirrorCommand(const CliOptions& options, Platform& platform, UpdateServices& services, std::ostream& out,
                     std::ostream& err);

}  // namespace veltra
