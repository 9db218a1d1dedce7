#pragma once
#include <map>
#include <string>
#include <vector>

#include "catalogue/check_context.h"

namespace veltra {

class ICodePage;
class IRegistry;

// Where one tool keeps its version under HKEY_LOCAL_MACHINE.
struct InstalledToolRow {
    std::u16string name;
    std::u16string key;
    std::u16string value;
};

// The fixed table of tools with their own registry places, ending with an empty row.
const std::vector<InstalledToolRow>& InstalledToolTable();

// The key that lists the maker's drivers, one sub-key per driver with a "Version" value.
inline constexpr char16_t kNorvaDriversKey[] = u"SOFTWARE\\Norva\\Drivers\\";

// Installed versions as this machine's registry tells them.
class RegistryInstalledVersions final : public IInstalledVersions {
public:
    RegistryInstalledVersions(IRegistry& registry, ICodePage& codePage) : registry_(registry), codePage_(codePage) {}
    std::u16string GetInstalledVersion(std::string_view ansiName) override;
    std::u16string NvidiaDriverVersion() override;
    // Every name the lookup can answer on this machine: the table's and the driver sub-keys.
    std::map<std::u16string, std::u16string> AllInstalled();

private:
    std::u16string Lookup(const std::u16string& name);
    std::u16string ReadValue(const std::u16string& key, const std::u16string& value);

    IRegistry& registry_;
    ICodePage& codePage_;
};

// Installed versions recorded in a saved identity: a map of name to version.
class RecordedInstalledVersions final : public IInstalledVersions {
public:
    RecordedInstalledVersions(std::map<std::u16string, std::u16string> installed, std::u16string nvidiaVersion,
                              ICodePage& codePage)
        : installed_(std::move(installed)), nvidiaVersion_(std::move(nvidiaVersion)), codePage_(codePage) {}
    std::u16string GetInstalledVersion(std::string_view ansiName) override;
    std::u16string NvidiaDriverVersion() override { return nvidiaVersion_; }

private:
    std::map<std::u16string, std::u16string> installed_;
    std::u16string nvidiaVersion_;
    ICodePage& codePage_;
};

}  // namespace veltra
