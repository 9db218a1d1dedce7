#pragma once
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "trust/manifest.h"

namespace veltra {

// What a mirror run does with the files of the server's signed lists.
struct MirrorPlan {
    // To fetch: paths no list of the mirror names yet first, then the changed ones, so
    // that the files a PC may be reading are replaced as late as possible.
    std::vector<ManifestEntry> fetch;
    std::vector<std::string> held;   // already in the mirror with the listed size and hash
    std::vector<std::string> prune;  // in the mirror, named by no served list
};

// served: the server's accepted lists; held: the lists the mirror holds now (read for their
// names only); present: the files in the mirror; holds: whether the mirror has the entry's
// file with its size and hash; wants: whether the mirror is to hold a listed path (a path it is
// not to hold is neither fetched nor pruned). A path listed in several lists is planned once;
// the lists' own files are never part of the plan.
MirrorPlan PlanMirror(std::span<const Manifest> served, std::span<const Manifest> held,
                      std::span<const std::string> present, const std::function<bool(const ManifestEntry&)>& holds,
                      const std::function<bool(std::string_view)>& wants);

// "DataBase/manifest.txt" and the other list and signature files a mirror places last.
bool IsSignedListPath(std::string_view path);

}  // namespace veltra
