// veltra-profile: compiles a machine profile for the simulated drivers.
//   veltra-profile check PROFILE            reads the profile, reports the first mistake
//   veltra-profile compile PROFILE OUTPUT   writes the binary form the drivers load
//   veltra-profile prepare PROFILE          prints the Windows settings as tab-separated lines
//   veltra-profile card-list PROFILE OUTPUT writes the profile's "VGACardList.rec"
#include <filesystem>
#include <fstream>
#include <iostream>

#include "machine_profile.h"

namespace {

using veltra::profile::MachineProfile;

constexpr int kUsageError = 2;

std::optional<MachineProfile> Load(const std::string& path) {
    std::optional<veltra::profile::ParseResult> result = veltra::profile::LoadMachineProfile(path);
    if (!result) {
        std::cerr << path << ": cannot be read\n";
        return std::nullopt;
    }
    if (!result->profile) std::cerr << path << ":" << result->error << "\n";
    return std::move(result->profile);
}

int Write(const std::vector<std::uint8_t>& bytes, const std::string& output) {
    std::ofstream file(output, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) {
        std::cerr << output << ": cannot be written\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    const bool writes = command == "compile" || command == "card-list";
    if (argc < 3 || writes != (argc == 4) || (!writes && command != "check" && command != "prepare")) {
        std::cerr << "usage: veltra-profile check|prepare PROFILE | compile|card-list PROFILE OUTPUT\n";
        return kUsageError;
    }
    const std::optional<MachineProfile> profile = Load(argv[2]);
    if (!profile) return 1;
    if (command == "card-list") return Write(veltra::profile::CardListFile(*profile), argv[3]);
    if (command == "compile") {
        const std::vector<std::uint8_t> bytes = veltra::profile::CompileMachineProfile(*profile);
        const std::string problem = veltra::profile::CompiledProfileProblem(bytes);
        if (problem.empty()) return Write(bytes, argv[3]);
        std::cerr << argv[2] << ": " << problem << "\n";
        return 1;
    }
    if (command == "prepare") {
        const std::filesystem::path folder = std::filesystem::absolute(argv[2]).parent_path();
        std::cout << veltra::profile::PrepareLines(*profile, folder.string());
    }
    return 0;
}
