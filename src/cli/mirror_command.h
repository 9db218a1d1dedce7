#pragma once
#include <ostream>

namespace veltra {

class IWmi;
struct CliOptions;
struct Platform;
struct UpdateServices;

// "mirror --to DIR": the update server's signed lists, catalogues and files copied into DIR
// (with --identity or --categories only those the PCs or categories need), each file checked
// against its list as it arrives, the lists placed last. 0 when all is there.
int RunMirrorCommand(const CliOptions& options, Platform& platform, IWmi& wmi, UpdateServices& services,
                     std::ostream& out, std::ostream& err);

}  // namespace veltra
