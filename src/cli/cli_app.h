#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace veltra {

class IWmi;
struct Platform;
struct UpdateServices;

// The console front end over the program's logic. Returns the process exit code:
// 0 done (or ended as the program does when a kernel driver cannot be loaded), 1 the
// command failed, 2 bad command line. The update commands need services.
int RunCli(const std::vector<std::u16string>& arguments, Platform& platform, IWmi& wmi, std::ostream& out,
           std::ostream& err, UpdateServices* services = nullptr);

}  // namespace veltra
