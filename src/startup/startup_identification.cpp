#include "startup/startup_identification.h"

#include "core/debug_log.h"
#include "core/program_version.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "platform/platform.h"
#include "startup/work_folders.h"
#include "startup/work_path.h"
#include "sysinfo/os_detect.h"

namespace veltra {
namespace {

bool ResolveWorkPath(Platform& platform, VT5Record& vt5, const std::optional<std::u16string>& workPathOverride) {
    if (!workPathOverride) return ReadWorkPath(platform.processInfo, vt5);
    vt5.sWorkPath = *workPathOverride;
    if (vt5.sWorkPath.empty() || vt5.sWorkPath.back() != u'\\') vt5.sWorkPath += u'\\';
    DebugLog(u"Work path = " + vt5.sWorkPath);
    return true;
}

void IdentifyOperatingSystem(Platform& platform, VT5Record& vt5) {
    vt5.nOS = DetectOS(platform.systemVersion, platform.registry);
    vt5.sOSName = OSName(vt5.nOS);
    vt5.sOSCode = OSCatalogueCode(vt5.nOS);
    DebugLog(u"VT5.nOS = " + DecimalText(vt5.nOS) + u"\n\tVT5.sOSName = " + vt5.sOSName);
}

}  // namespace

bool RunStartupIdentification(Platform& platform, VT5Record& vt5, const std::optional<std::u16string>& workPathOverride) {
    if (!ResolveWorkPath(platform, vt5, workPathOverride)) return false;
    EnsureWorkFolders(platform.fileSystem, vt5.sWorkPath);
    ReadInstallDir(platform.registry, vt5);
    DebugLog(u"Veltra Install directory = " + vt5.sInstallDir);
    if (vt5.sAppVersion.empty()) vt5.sAppVersion = ProgramVersion();  // kept when the registry has none
    ReadAppVersion(platform.registry, vt5.sAppVersion);
    DebugLog(u"Veltra Package version = " + vt5.sAppVersion);
    vt5.sLibVersion = kLibVersion;
    DebugLog(u"NORVA LIB Version = " + vt5.sLibVersion + u" ");
    IdentifyOperatingSystem(platform, vt5);
    return true;
}

}  // namespace veltra
