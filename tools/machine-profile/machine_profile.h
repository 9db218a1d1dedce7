#pragma once
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace veltra::profile {

// One PC as the simulated drivers and the prefix preparation see it, read from the text
// form described in docs/machine-profile.md.
struct MemoryRegion {
    std::uint32_t base = 0;
    std::vector<std::uint8_t> bytes;
};

struct SmbusDevice {
    std::uint32_t address = 0;  // 7-bit slave address
    std::uint32_t command = 0;
    std::uint32_t value = 0;
};

struct DriverSwitch {
    std::uint32_t driver = 0;  // SimDriverId
    std::uint32_t kind = 0;    // SimSwitchKind
    std::uint32_t code = 0;
    std::uint32_t bytes = 0;
};

struct RegistryValue {
    std::string key;
    std::string name;
    bool isDword = false;
    std::string text;
    std::uint32_t dword = 0;
};

struct WorkFile {
    std::string source;  // as written, relative to the profile's folder
    std::string target;  // relative to the work folder, '\' separated
};

// One 140-byte record of "VGACardList.rec".
struct CardListEntry {
    std::string deviceId;  // hexadecimal text, at most 9 bytes
    std::string name;      // at most 81 bytes
};

struct MachineProfile {
    // The simulated hardware.
    std::vector<MemoryRegion> memory;
    bool failUnservedMemory = false;
    std::map<std::uint32_t, std::array<std::uint8_t, 256>> pci;  // key: bus*256 + device*8 + function
    std::map<std::uint32_t, std::uint8_t> ports;
    std::optional<std::uint32_t> smbusHost;
    std::vector<SmbusDevice> smbusDevices;
    std::optional<std::string> biosIdent;
    std::optional<std::array<std::uint8_t, 1028>> biosInfo;
    std::vector<DriverSwitch> switches;
    // The Windows around it.
    std::string windowsVersion;
    std::vector<RegistryValue> registry;
    std::vector<WorkFile> workFiles;
    std::vector<std::string> missingDrivers;  // "porvik", "norvabios"
    std::vector<CardListEntry> cardList;
};

struct ParseResult {
    std::optional<MachineProfile> profile;
    std::string error;  // "LINE: message" when profile is empty
};

// Reads the text of an included file, named as the include line gives it; empty when it
// cannot be read.
using IncludeLoader = std::function<std::optional<std::string>(const std::string& name)>;

ParseResult ParseMachineProfile(const std::string& text, const IncludeLoader& loader = {});

// The profile in the file at `path`, its included files named relative to the file's own
// folder; nullopt when the file cannot be read.
std::optional<ParseResult> LoadMachineProfile(const std::filesystem::path& path);

// The binary form the simulated drivers load ("sim-machine.bin").
std::vector<std::uint8_t> CompileMachineProfile(const MachineProfile& profile);

// Why the drivers would refuse a compiled profile (too large, too many entries); empty if none.
std::string CompiledProfileProblem(const std::vector<std::uint8_t>& compiled);

// The graphics card list file the profile describes (empty when it has no card-list lines).
std::vector<std::uint8_t> CardListFile(const MachineProfile& profile);

// Tab-separated lines for scripts/prepare-machine: windows, registry, work-file, missing-driver,
// card-list.
std::string PrepareLines(const MachineProfile& profile, const std::string& profileFolder);

}  // namespace veltra::profile
