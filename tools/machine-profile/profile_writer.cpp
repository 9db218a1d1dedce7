// The compiled profile for the drivers and the preparation lines for the script.
#include "sim_profile_format.h"
#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "machine_profile.h"

namespace veltra::profile {
namespace {

class EntryWriter {
public:
    void Begin(std::uint32_t kind) {
        ++count_;
        Put32(kind);
        sizeAt_ = bytes_.size();
        Put32(0);
    }
    void End() {
        const auto size = static_cast<std::uint32_t>(bytes_.size() - sizeAt_ - 4);
        for (unsigned i = 0; i < 4; ++i) bytes_[sizeAt_ + i] = static_cast<std::uint8_t>(size >> (8 * i));
    }
    void Put32(std::uint32_t value) {
        for (unsigned i = 0; i < 4; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    void NumbersEntry(std::uint32_t kind, std::initializer_list<std::uint32_t> values) {
        Begin(kind);
        for (std::uint32_t value : values) Put32(value);
        End();
    }
    template <typename Bytes>
    void PutBytes(const Bytes& bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    }
    std::vector<std::uint8_t> Finish() {
        const std::string_view magic(SIM_PROFILE_MAGIC, SIM_PROFILE_MAGIC_SIZE);
        std::vector<std::uint8_t> file(magic.begin(), magic.end());
        for (unsigned i = 0; i < 4; ++i) file.push_back(static_cast<std::uint8_t>(count_ >> (8 * i)));
        file.insert(file.end(), bytes_.begin(), bytes_.end());
        return file;
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t sizeAt_ = 0;
    std::uint32_t count_ = 0;
};

void WriteHardware(EntryWriter& out, const MachineProfile& profile) {
    for (const MemoryRegion& region : profile.memory) {
        out.Begin(SIM_ENTRY_MEMORY);
        out.Put32(region.base);
        out.PutBytes(region.bytes);
        out.End();
    }
    for (const auto& [address, config] : profile.pci) {
        out.Begin(SIM_ENTRY_PCI);
        out.Put32(address);
        out.PutBytes(config);
        out.End();
    }
    for (const auto& [port, value] : profile.ports) out.NumbersEntry(SIM_ENTRY_PORT, {port, value});
    if (profile.smbusHost) out.NumbersEntry(SIM_ENTRY_SMBUS_HOST, {*profile.smbusHost});
    for (const SmbusDevice& device : profile.smbusDevices)
        out.NumbersEntry(SIM_ENTRY_SMBUS_DEVICE, {device.address, device.command, device.value});
}

void WriteBiosAndSwitches(EntryWriter& out, const MachineProfile& profile) {
    if (profile.biosIdent) {
        out.Begin(SIM_ENTRY_BIOS_IDENT);
        out.PutBytes(*profile.biosIdent);
        out.End();
    }
    if (profile.biosInfo) {
        out.Begin(SIM_ENTRY_BIOS_INFO);
        out.PutBytes(*profile.biosInfo);
        out.End();
    }
    for (const DriverSwitch& entry : profile.switches)
        out.NumbersEntry(SIM_ENTRY_SWITCH, {entry.driver, entry.kind, entry.code, entry.bytes});
    out.NumbersEntry(SIM_ENTRY_UNSERVED, {profile.failUnservedMemory ? SIM_UNSERVED_FAIL : SIM_UNSERVED_FF});
}

}  // namespace

std::vector<std::uint8_t> CompileMachineProfile(const MachineProfile& profile) {
    EntryWriter out;
    WriteHardware(out, profile);
    WriteBiosAndSwitches(out, profile);
    return out.Finish();
}

std::string CompiledProfileProblem(const std::vector<std::uint8_t>& compiled) {
    if (compiled.size() > SIM_PROFILE_MAX_SIZE) return "the compiled profile would exceed the drivers' limit of 8 MiB";
    const std::uint32_t entries =
        compiled[8] | compiled[9] << 8 | compiled[10] << 16 | static_cast<std::uint32_t>(compiled[11]) << 24;
    if (entries > SIM_PROFILE_MAX_ENTRIES) return "the profile has more than 4096 entries, the drivers' limit";
    return {};
}

std::vector<std::uint8_t> CardListFile(const MachineProfile& profile) {
    constexpr std::size_t kRecord = 140, kIdAt = 48, kNameAt = 58;  // bytes 0..47 stay zero
    std::vector<std::uint8_t> file;
    for (const CardListEntry& entry : profile.cardList) {
        std::vector<std::uint8_t> record(kRecord, 0);
        std::copy(entry.deviceId.begin(), entry.deviceId.end(), record.begin() + kIdAt);
        std::copy(entry.name.begin(), entry.name.end(), record.begin() + kNameAt);
        file.insert(file.end(), record.begin(), record.end());
    }
    return file;
}

std::string PrepareLines(const MachineProfile& profile, const std::string& profileFolder) {
    std::string lines;
    if (!profile.windowsVersion.empty()) lines += "windows\t" + profile.windowsVersion + "\n";
    for (const RegistryValue& value : profile.registry) {
        lines += "registry\t" + value.key + "\t" + value.name + "\t";
        lines += value.isDword ? "REG_DWORD\t" + std::to_string(value.dword) : "REG_SZ\t" + value.text;
        lines += "\n";
    }
    for (const WorkFile& file : profile.workFiles)
        lines += "work-file\t" + profileFolder + "/" + file.source + "\t" + file.target + "\n";
    for (const std::string& driver : profile.missingDrivers) lines += "missing-driver\t" + driver + "\n";
    if (!profile.cardList.empty()) lines += "card-list\tVT5\\DL_INFO\\VGACardList.rec\n";
    return lines;
}

}  // namespace veltra::profile
