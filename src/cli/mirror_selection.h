#pragma once
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>

namespace veltra {

class IWmi;
struct CliOptions;
struct FleetReport;
struct Platform;
struct UpdateServices;

// Which of the server's files a mirror of chosen categories or PCs holds (the signed lists
// are always whole): the catalogues of those categories in both folders, and their update
// files, or only those the PCs' checks name.
class MirrorSelection {
public:
    // categories: the bits of --categories; the MB driver check reads the VIDDID table too.
    explicit MirrorSelection(int categories);
    // From now on only these update files (paths below the server's base) are wanted.
    void KeepOnly(std::set<std::string> updateFiles);

    bool Wants(std::string_view path) const;
    // The update files the PCs need; empty unless KeepOnly was called.
    const std::set<std::string>& PcFiles() const { return pcFiles_; }

private:
    int categories_;
    std::set<std::string, std::less<>> catalogues_;
    bool onlyPcFiles_ = false;
    std::set<std::string> pcFiles_;
};

// The server paths of the update files a fleet's PCs need, as their downloads would fetch them.
std::set<std::string> UpdateFilesOf(const FleetReport& report);

// The selection of "mirror --identity FILE... --categories LIST": none for a whole mirror. For
// --identity the catalogues are fetched into the work folder and every readable identity is
// checked over them (unreadable ones named on err); false, with the reason on err, when no
// identity could be read or the catalogues could not be had.
bool SelectMirrorFiles(const CliOptions& options, Platform& platform, IWmi& wmi, UpdateServices& services,
                       std::ostream& err, std::optional<MirrorSelection>& selection);

}  // namespace veltra
