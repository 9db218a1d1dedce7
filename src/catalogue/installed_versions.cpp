#include "catalogue/installed_versions.h"

#include "catalogue/text_compare.h"
#include "platform/code_page.h"
#include "platform/registry.h"

namespace veltra {
namespace {

// Versions are read into a buffer of 128 bytes; a longer value reads as none.
constexpr std::size_t kVersionBufferBytes = 128;

}  // namespace

const std::vector<InstalledToolRow>& InstalledToolTable() {
    // The maker's tools as the installers register them (deployment data of our update service).
    static const std::vector<InstalledToolRow> table = {
        {u"Norva Live Monitor", u"SOFTWARE\\Norva\\Live Monitor", u"AppVersion"},
        {u"Norva Fan Tuner", u"SOFTWARE\\Norva\\Fan Tuner", u"AppVersion"},
        {u"Norva Easy Flash", u"SOFTWARE\\Norva\\Easy Flash", u"AppVersion"},
        {u"Norva Boot Logo", u"SOFTWARE\\Norva\\Boot Logo", u"AppVersion"},
        {u"Norva Power Saver", u"SOFTWARE\\Norva\\Power Saver", u"AppVersion"},
        {u"Norva Clock Center", u"SOFTWARE\\Norva\\Clock Center", u"AppVersion"},
        {u"Norva USB Charger", u"SOFTWARE\\Norva\\USB Charger", u"AppVersion"},
        {u"Norva Disk Guard", u"SOFTWARE\\Norva\\Disk Guard", u"AppVersion"},
        {u"Norva Sound Panel", u"SOFTWARE\\Norva\\Sound Panel", u"AppVersion"},
        {u"Norva Net Boost", u"SOFTWARE\\Norva\\Net Boost", u"AppVersion"},
        {u"Norva Smart Backup", u"SOFTWARE\\Norva\\Smart Backup", u"Version"},
        {u"Norva Dual BIOS Tool", u"SOFTWARE\\Norva\\Dual BIOS Tool", u"Version"},
        {u"Norva Game Booster", u"SOFTWARE\\Norva\\Game Booster", u"Version"},
        {u"Norva Eco Tuner", u"SOFTWARE\\Norva\\Eco Tuner", u"AppVersion"},
        {u"Norva Cloud Link",
         u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{6D1E3A52-90B4-4C1E-9A57-3F0B2C7D8E41}",
         u"DisplayVersion"},
        {u"Norva Setup Helper",
         u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{B83F0C27-5E61-4A9D-8C2B-71D4E6F9A035}",
         u"DisplayVersion"},
        {u"Realtek PCIE Network Drivers", u"SOFTWARE\\Realtek\\Network", u"Version"},
        {u"", u"", u""},
    };
    return table;
}

std::u16string RegistryInstalledVersions::ReadValue(const std::u16string& key, const std::u16string& value) {
    return registry_.ReadString(RegistryRoot::LocalMachine, key, value, kVersionBufferBytes).value_or(u"");
}

std::u16string RegistryInstalledVersions::Lookup(const std::u16string& name) {
    std::u16string version;
    for (const InstalledToolRow& row : InstalledToolTable()) {
        if (row.name.empty() || row.name != name) continue;
        version = ReadValue(row.key, row.value);
        break;
    }
    if (version.empty()) version = ReadValue(kNorvaDriversKey + name, u"Version");
    return version;
}

std::u16string RegistryInstalledVersions::GetInstalledVersion(std::string_view ansiName) {
    return Lookup(codePage_.FromAnsi(ansiName));
}

std::u16string RegistryInstalledVersions::NvidiaDriverVersion() {
    return ReadValue(u"SOFTWARE\\NVIDIA Corporation\\Installer", u"version");
}

std::map<std::u16string, std::u16string> RegistryInstalledVersions::AllInstalled() {
    std::vector<std::u16string> names;
    for (const InstalledToolRow& row : InstalledToolTable()) {
        if (!row.name.empty()) names.push_back(row.name);
    }
    for (const std::u16string& subKey : registry_.SubKeyNames(RegistryRoot::LocalMachine, kNorvaDriversKey)) {
        names.push_back(subKey);
    }
    std::map<std::u16string, std::u16string> installed;
    for (const std::u16string& name : names) {
        std::u16string version = Lookup(name);
        if (!version.empty()) installed.emplace(name, std::move(version));
    }
    return installed;
}

std::u16string RecordedInstalledVersions::GetInstalledVersion(std::string_view ansiName) {
    const std::u16string name = codePage_.FromAnsi(ansiName);
    if (const auto exact = installed_.find(name); exact != installed_.end()) return exact->second;
    // Driver sub-keys are found whatever the case of the name, as registry keys are.
    for (const auto& [recorded, version] : installed_) {
        if (EqualsFoldingAtoZ(recorded, name)) return version;
    }
    return u"";
}

}  // namespace veltra
