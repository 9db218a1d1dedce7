#pragma once
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_wmi.h"

namespace veltra::testing {

// One run of the console program over the model platform: its exit code and its output.
struct CliRun {
    int exitCode;
    std::string out;
    std::string err;
};

inline CliRun RunCommand(fakes::FakePlatform& fake, const std::vector<std::u16string>& arguments,
                         UpdateServices* services = nullptr) {
    std::ostringstream out, err;
    fakes::FakeWmi wmi;
    const int exitCode = RunCli(arguments, fake.platform, wmi, out, err, services);
    return {exitCode, out.str(), err.str()};
}

}  // namespace veltra::testing
