#pragma once
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "platform/program_starter.h"

namespace veltra::fakes {

// The program starter over the model file system: the program is the quoted first word
// or, unquoted, the first word up to a blank; an existing file starts (33), a missing one
// is "file not found" (2), as the system answers for a missing file or folder.
class FakeProgramStarter final : public IProgramStarter {
public:
    explicit FakeProgramStarter(FakeFileSystem& files) : files_(files) {}
    unsigned Start(const std::u16string&, const std::u16string& line, const std::optional<ExpectedFile>& expected) override {
        started.push_back(line);
        checked.push_back(expected.has_value());
        const bool quoted = !line.empty() && line[0] == u'"';
        const std::u16string program = quoted ? line.substr(1, line.find(u'"', 1) - 1) : line.substr(0, line.find(u' '));
        return files_.HasFile(program) ? 33u : 2u;
    }
    std::vector<std::u16string> started;
    std::vector<bool> checked;  // whether each start had the signed list's size and hash

private:
    FakeFileSystem& files_;
};

}  // namespace veltra::fakes
