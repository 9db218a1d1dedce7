#include "startup/work_path.h"

#include "core/debug_log.h"
#include "core/program_key.h"
#include "core/vt5_record.h"
#include "platform/file_system.h"
#include "platform/process_info.h"
#include "platform/registry.h"

namespace veltra {
namespace {

constexpr std::size_t kValueByteCount = 128;

void ReadValueInto(IRegistry& registry, const char16_t* key, const std::u16string& valueName, std::u16string& target) {
    if (auto text = registry.ReadString(RegistryRoot::LocalMachine, key, valueName, kValueByteCount)) target = *text;
}

// The first key always, the second only while the target is still empty; a failed read
// leaves the target as it was.
void ReadProgramValue(IRegistry& registry, const std::u16string& valueName, std::u16string& target) {
    ReadValueInto(registry, kProgramKey, valueName, target);
    if (target.empty()) ReadValueInto(registry, kProgramKeyWow64, valueName, target);
}

}  // namespace

bool ReadWorkPath(IProcessInfo& processInfo, VT5Record& vt5) {
    const std::u16string executable = processInfo.ExecutablePath();
    if (executable.size() > kMaxExecutablePath) {
        vt5.sWorkPath.clear();
        DebugLog(u"Work path too long: " + executable);
        return false;
    }
    const std::size_t lastSeparator = executable.rfind(u'\\');
    vt5.sWorkPath = lastSeparator == std::u16string::npos ? std::u16string() : executable.substr(0, lastSeparator + 1);
    DebugLog(u"Work path = " + vt5.sWorkPath);
    return true;
}

void ReadInstallDir(IRegistry& registry, VT5Record& vt5) {
    vt5.sInstallDir.clear();
    ReadProgramValue(registry, u"WorkDir", vt5.sInstallDir);
}

void ReadAppVersion(IRegistry& registry, std::u16string& target) { ReadProgramValue(registry, u"AppVersion", target); }

}  // namespace veltra
