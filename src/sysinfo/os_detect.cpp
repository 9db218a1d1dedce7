#include "sysinfo/os_detect.h"

#include "core/text.h"
#include "platform/system_version.h"

namespace veltra {
namespace {

constexpr std::size_t kRegistryTextByteCount = 5001;
constexpr char16_t kCurrentVersionKey[] = u"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
constexpr char16_t kCurrentVersionKeySlash[] = u"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
constexpr std::uint32_t kPlatformNT = 2;

std::u16string ReadCurrentVersionValue(IRegistry& registry, const char16_t* key, const char16_t* value) {
    return ReadRegistryText(registry, RegistryRoot::LocalMachine, key, value, u"");
}

// The build label alone tells XP from Vista; "amd64" in it tells the word size.
int DetectXPOrVista(IRegistry& registry) {
    const std::u16string buildLab = ReadCurrentVersionValue(registry, kCurrentVersionKeySlash, u"BuildLabEx");
    if (!buildLab.empty()) return Contains(buildLab, u"amd64") ? kOsVista64 : kOsVista32;
    const std::u16string currentVersion = ReadCurrentVersionValue(registry, kCurrentVersionKeySlash, u"CurrentVersion");
    if (currentVersion.empty()) return kOsUnknown;
    return Contains(currentVersion, u"5.2") ? kOsXP64 : kOsXP;
}

int DetectVersion4(const OsVersion& version) {
    switch (version.minor) {
        case 0: return version.platformId == kPlatformNT ? kOsNT40 : kOsWin95;
        case 10: return kOsWin98;
        case 90: return kOsWinMe;
        default: return kOsUnknown;
    }
}

int DetectVersion5(const OsVersion& version, IRegistry& registry) {
    if (version.minor == 0) return kOsWin2000;
    if (version.minor == 1 || version.minor == 2) return DetectXPOrVista(registry);
    return kOsUnknown;
}

int DetectVersion6(const OsVersion& version, ISystemVersion& systemVersion, IRegistry& registry) {
    if (version.minor != 1) return DetectXPOrVista(registry);
    const std::u16string buildLab = ReadCurrentVersionValue(registry, kCurrentVersionKey, u"BuildLabEx");
    // Without a build label (a Windows set up without it) the processor's own word size
    // tells, so a 64-bit Windows is never taken for a 32-bit one and given its driver.
    if (buildLab.empty()) return systemVersion.NativeArchitecture() == ProcessorArchitecture::Amd64 ? kOsWin7_64 : kOsWin7_32;
    return Contains(buildLab, u"amd64") ? kOsWin7_64 : kOsWin7_32;
}

}  // namespace

int DetectOS(ISystemVersion& systemVersion, IRegistry& registry) {
    const OsVersion version = systemVersion.GetVersion();
    switch (version.major) {
        case 3: return version.minor == 51 ? kOsNT351 : kOsUnknown;
        case 4: return DetectVersion4(version);
        case 5: return DetectVersion5(version, registry);
        case 6: return DetectVersion6(version, systemVersion, registry);
        default: return kOsUnknown;
    }
}

std::u16string OSName(int code) {
    switch (code) {
        case kOsWin95: return u"Windows 95";
        case kOsWin98: return u"Windows 98";
        case kOsWinMe: return u"Windows Me";
        case kOsNT351: return u"Windows NT 3.51";
        case kOsNT40: return u"Windows NT 4.0";
        case kOsWin2000: return u"Windows 2000";
        case kOsWin2003: return u"Windows 2003 Family";
        case kOsXP: return u"Windows XP";
        case kOsXP64: return u"Windows XP 64Bit";
        case kOsVista32: return u"Windows Vista 32Bit";
        case kOsVista64: return u"Windows Vista 64Bit";
        case kOsWin7_32: return u"Windows 7 32Bit";
        case kOsWin7_64: return u"Windows 7 64Bit";
        default: return u"";
    }
}

std::u16string OSCatalogueCode(int code) {
    switch (code) {
        case kOsXP: return u"XP32";
        case kOsXP64: return u"XP64";
        case kOsVista32: return u"V32";
        case kOsVista64: return u"V64";
        case kOsWin7_32: return u"W732";
        case kOsWin7_64: return u"W764";
        default: return u"";
    }
}

std::u16string ReadRegistryText(IRegistry& registry, RegistryRoot root, const std::u16string& key,
                                const std::u16string& value, const std::u16string& fallback) {
    return registry.ReadString(root, key, value, kRegistryTextByteCount).value_or(fallback);
}

}  // namespace veltra
