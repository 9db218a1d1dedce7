#pragma once
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "platform/program_starter.h"

namespace veltra::fakes {

// WinExec over the model file system: an existing file starts (33), a missing one is
// "file not found" (2), as the system answers for a missing file or folder.
class FakeProgramStarter final : public IProgramStarter {
public:
    explicit FakeProgramStarter(FakeFileSystem& files) : files_(files) {}
    unsigned Exec(const ExecBuffer& commandLine) override {
        const std::string line(commandLine.data());
        started.push_back(line);
        const std::u16string path(line.begin(), line.end());
        return files_.HasFile(path) ? 33u : 2u;
    }
    std::vector<std::string> started;

private:
    FakeFileSystem& files_;
};

}  // namespace veltra::fakes
