#include "cli/mirror_plan.h"

#include <set>

namespace veltra {
namespace {

bool Named(std::span<const Manifest> lists, std::string_view path) {
    for (const Manifest& list : lists) {
        if (list.Find(path) != nullptr) return true;
    }
    return false;
}

}  // namespace

bool IsSignedListPath(std::string_view path) {
    for (std::string_view folder : {"DataBase/", "DQATest/"}) {
        if (path.starts_with(folder) && (path.substr(folder.size()) == "manifest.txt" || path.substr(folder.size()) == "manifest.sig"))
            return true;
    }
    return false;
}

MirrorPlan PlanMirror(std::span<const Manifest> served, std::span<const Manifest> held,
                      std::span<const std::string> present, const std::function<bool(const ManifestEntry&)>& holds,
                      const std::function<bool(std::string_view)>& wants) {
    MirrorPlan plan;
    std::vector<ManifestEntry> changed;
    std::set<std::string> seen;
    for (const Manifest& list : served) {
        for (const ManifestEntry& entry : list.files) {
            if (IsSignedListPath(entry.path) || !seen.insert(entry.path).second || !wants(entry.path)) continue;
            if (holds(entry)) {
                plan.held.push_back(entry.path);
            } else {
                (Named(held, entry.path) ? changed : plan.fetch).push_back(entry);
            }
        }
    }
    plan.fetch.insert(plan.fetch.end(), changed.begin(), changed.end());
    for (const std::string& path : present) {
        if (!IsSignedListPath(path) && seen.count(path) == 0) plan.prune.push_back(path);
    }
    return plan;
}

}  // namespace veltra
