// veltra-profile: compiles a machine profile for the simulated drivers.
//   veltra-profile check PROFILE            reads the profile, reports the first mistake
//   veltra-profile compile PROFILE OUTPUT   writes the binary form the drivers load
//   veltra-profile prepare PROFILE          prints the Windows settings as tab-separated lines
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "sim_profile_format.h"
#include "machine_profile.h"

namespace {

using veltra::profile::MachineProfile;

constexpr int kUsageError = 2;

std::optional<MachineProfile> Load(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << path << ": cannot be read\n";
        return std::nullopt;
    }
    std::ostringstream text;
    text << file.rdbuf();
    veltra::profile::ParseResult result = veltra::profile::ParseMachineProfile(text.str());
    if (!result.profile) std::cerr << path << ":" << result.error << "\n";
    return std::move(result.profile);
}

int Compile(const MachineProfile& profile, const std::string& output) {
    const std::vector<std::uint8_t> bytes = veltra::profile::CompileMachineProfile(profile);
    if (bytes.size() > SIM_PROFILE_MAX_SIZE) {
        std::cerr << "the compiled profile would exceed the drivers' limit of 8 MiB\n";
        return 1;
    }
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
    if (argc < 3 || (command == "compile") != (argc == 4) ||
        (command != "check" && command != "compile" && command != "prepare")) {
        std::cerr << "usage: veltra-profile check|prepare PROFILE | compile PROFILE OUTPUT\n";
        return kUsageError;
    }
    const std::optional<MachineProfile> profile = Load(argv[2]);
    if (!profile) return 1;
    if (command == "compile") return Compile(*profile, argv[3]);
    if (command == "prepare") {
        const std::filesystem::path folder = std::filesystem::absolute(argv[2]).parent_path();
        std::cout << veltra::profile::PrepareLines(*profile, folder.string());
    }
    return 0;
}
