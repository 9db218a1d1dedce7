#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace veltra {

struct Platform;

// The console front end over the program's logic. Returns the process exit code:
// 0 done, 1 the command failed, 2 bad command line.
int RunCli(const std::vector<std::u16string>& arguments, Platform& platform, std::ostream& out, std::ostream& err);

}  // namespace veltra
