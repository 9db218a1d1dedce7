#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace veltra {

struct Platform;
struct UpdateServices;

// The console front end over the program's logic. Returns the process exit code:
// 0 done, 1 the command failed, 2 bad command line. The update commands need services.
int RunCli(const std::vector<std::u16string>& arguments, Platform& platform, std::ostream& out, std::ostream& err,
           UpdateServices* services = nullptr);

}  // namespace veltra
