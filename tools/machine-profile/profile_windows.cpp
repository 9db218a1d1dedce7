// Directives for the Windows around the machine: version, registry values, files of the
// work folder and driver files left out. scripts/prepare-machine applies them.
#include <algorithm>
#include <set>

#include "profile_directives.h"

namespace veltra::profile {
namespace {

// What `HKCU\Software\Wine` Version accepts.
const std::set<std::string> kWindowsVersions = {"win2k", "winxp", "winxp64", "vista", "win7", "win8", "win81", "win10"};

// The preparation script reads tab-separated lines, so no value may hold a tab or line end.
std::string PlainText(const Token& token, const char* what) {
    if (token.text.find_first_of("\t\r\n") != std::string::npos)
        throw ProfileError(std::string(what) + " holds a tab or a line end");
    return token.text;
}

bool EscapesFolder(const std::string& path) {
    if (path.empty() || path[0] == '\\' || path[0] == '/' || path.find(':') != std::string::npos) return true;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find_first_of("\\/", start), path.size());
        if (path.compare(start, end - start, "..") == 0 && end - start == 2) return true;
        start = end + 1;
    }
    return false;
}

std::string RegistryKey(const Token& token) {
    const std::string key = PlainText(token, "registry key");
    if (key.rfind("HKLM\\", 0) != 0 && key.rfind("HKCU\\", 0) != 0)
        throw ProfileError("registry key '" + key + "' must start with HKLM\\ or HKCU\\");
    return key;
}

void SetWindows(MachineProfile& profile, const Args& args) {
    if (!kWindowsVersions.count(args[0].text)) throw ProfileError("unknown Windows version '" + args[0].text + "'");
    profile.windowsVersion = args[0].text;
}

void AddRegistryText(MachineProfile& profile, const Args& args) {
    profile.registry.push_back({RegistryKey(args[0]), PlainText(args[1], "value name"), false,
                                PlainText(args[2], "registry text"), 0});
}

void AddRegistryDword(MachineProfile& profile, const Args& args) {
    profile.registry.push_back({RegistryKey(args[0]), PlainText(args[1], "value name"), true, {},
                                ParseNumber(args[2], "value")});
}

void AddWorkFile(MachineProfile& profile, const Args& args) {
    const std::string source = PlainText(args[0], "file name");
    std::string target = PlainText(args[1], "target");
    if (EscapesFolder(source)) throw ProfileError("file '" + source + "' lies outside the profile's folder");
    if (EscapesFolder(target)) throw ProfileError("target '" + target + "' lies outside the work folder");
    std::replace(target.begin(), target.end(), '/', '\\');
    profile.workFiles.push_back({source, target});
}

void AddMissingDriver(MachineProfile& profile, const Args& args) {
    if (args[0].text != "porvik" && args[0].text != "norvabios")
        throw ProfileError("unknown driver '" + args[0].text + "' (porvik or norvabios)");
    profile.missingDrivers.push_back(args[0].text);
}

void AddCardListEntry(MachineProfile& profile, const Args& args) {
    if (args[0].quoted || args[0].text.size() > 9) throw ProfileError("card device id '" + args[0].text + "' longer than 9");
    if (!args[1].quoted) throw ProfileError("card name must be quoted");
    if (args[1].text.size() > 81) throw ProfileError("card name longer than 81 bytes");
    profile.cardList.push_back({args[0].text, args[1].text});
}

}  // namespace

void AddWindowsDirectives(DirectiveTable& table) {
    table["windows"] = {1, 1, SetWindows};
    table["registry"] = {3, 3, AddRegistryText};
    table["registry-dword"] = {3, 3, AddRegistryDword};
    table["work-file"] = {2, 2, AddWorkFile};
    table["missing-driver"] = {1, 1, AddMissingDriver};
    table["card-list"] = {2, 2, AddCardListEntry};
}

}  // namespace veltra::profile
