#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/crypto.h"
#include "trust/manifest.h"

namespace veltra {

struct FolderListing {
    std::vector<ManifestEntry> files;  // sorted by path
    std::string error;                 // set when the tree cannot be listed safely
};

// What one server folder's manifest vouches for: every regular file of the tree, with its
// path relative to the tree, except the files under the other folder and the manifests.
// A symbolic link that leads out of the tree, or to a folder, is refused.
FolderListing ListFolderFiles(const std::filesystem::path& tree, std::string_view folder,
                              std::string_view otherFolder, ICrypto& crypto);

}  // namespace veltra
