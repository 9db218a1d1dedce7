#include "cli/mirror_selection.h"

#include "catalogue/result_list.h"
#include "cli/cli_options.h"
#include "cli/fleet_check.h"
#include "core/text.h"
#include "transfer/catalogue_addresses.h"
#include "transfer/item_addresses.h"

namespace veltra {
namespace {

constexpr int kVidDidCatalogue = 64;

// A path of the server as its signed list names it: no leading slash.
std::string ListPath(const std::u16string& path) { return Utf16ToUtf8(path.substr(path.starts_with(u"/") ? 1 : 0)); }

}  // namespace

MirrorSelection::MirrorSelection(int categories) : categories_(categories) {
    const int catalogues = categories | ((categories & kMbDriverCategory) != 0 ? kVidDidCatalogue : 0);
    for (const CatalogueStep& step : CatalogueSteps()) {
        if ((catalogues & step.code) == 0) continue;
        for (bool dqaTest : {false, true}) catalogues_.insert(ListPath(CataloguePath(step, dqaTest)));
    }
}

void MirrorSelection::KeepOnly(std::set<std::string> updateFiles) {
    onlyPcFiles_ = true;
    pcFiles_ = std::move(updateFiles);
}

bool MirrorSelection::Wants(std::string_view path) const {
    if (catalogues_.count(path) != 0) return true;
    if (path.starts_with("DataBase/") || path.starts_with("DQATest/")) return false;  // another category's catalogue
    if (onlyPcFiles_) return pcFiles_.count(std::string(path)) != 0;
    return (categories_ & CategoryOfUpdatePath(Utf8ToUtf16(path))) != 0;
}

std::set<std::string> UpdateFilesOf(const FleetReport& report) {
    std::set<std::string> files;
    for (const FleetPc& pc : report.pcs) {
        for (const FleetNeed& need : pc.needs) {
            const FleetUpdate& update = report.updates[need.update];
            ResultRow row;
            row[1] = Utf8ToUtf16(update.type);
            row[2] = Utf8ToUtf16(update.item);
            row[4] = Utf8ToUtf16(update.onlineVersion);
            row[5] = Utf8ToUtf16(update.webPath);
            const ItemTransfer transfer = ItemAddresses(row, Utf8ToUtf16(pc.board), u"", u"");
            if (!transfer.source.empty()) files.insert(ListPath(transfer.source));
        }
    }
    return files;
}

bool SelectMirrorFiles(const CliOptions& options, Platform& platform, IWmi& wmi, UpdateServices& services,
                       std::ostream& err, std::optional<MirrorSelection>& selection) {
    if (!options.manualScan && options.identityFiles.empty()) return true;
    selection.emplace(options.categories);
    if (options.identityFiles.empty()) return true;
    const std::optional<FleetReport> fleet = CheckSavedFleet(options, platform, wmi, services, options.categories, err);
    if (!fleet) return false;
    selection->KeepOnly(UpdateFilesOf(*fleet));
    return true;
}

}  // namespace veltra
