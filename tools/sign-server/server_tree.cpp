#include "server_tree.h"

#include <algorithm>
#include <fstream>

#include "trust/manifest_path.h"

namespace veltra {
namespace fs = std::filesystem;
namespace {

bool IsManifestFile(std::string_view path, std::string_view folder) {
    const std::string prefix = std::string(folder) + "/manifest.";
    return path == prefix + "txt" || path == prefix + "sig";
}

bool IsUnder(std::string_view path, std::string_view folder) {
    return path.starts_with(folder) && path.size() > folder.size() && path[folder.size()] == '/';
}

// Size and SHA-256 of a file in one streaming pass; false when it cannot be read.
bool HashFile(const fs::path& file, ICrypto& crypto, ManifestEntry& entry) {
    std::ifstream input(file, std::ios::binary);
    std::unique_ptr<ISha256> hash = crypto.NewSha256();
    std::vector<char> buffer(1 << 16);
    while (input) {
        input.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto count = static_cast<std::size_t>(input.gcount());
        hash->Add(std::span(reinterpret_cast<const std::uint8_t*>(buffer.data()), count));
        entry.size += count;
    }
    entry.sha256 = hash->Finish();
    return input.eof() && !input.bad();
}

// The reason a link is refused, or empty: it must name a file inside the tree.
std::string LinkFault(const fs::directory_entry& link, const fs::path& canonicalTree) {
    std::error_code error;
    const fs::path target = fs::canonical(link.path(), error);
    const auto treeEnd = std::mismatch(canonicalTree.begin(), canonicalTree.end(), target.begin(), target.end()).first;
    if (error || treeEnd != canonicalTree.end()) return "the link " + link.path().string() + " leads out of the tree";
    if (!fs::is_regular_file(target)) return "the link " + link.path().string() + " does not name a file";
    return {};
}

// The entry of one file of the tree, or the reason it cannot be listed.
std::string AddFile(const fs::directory_entry& file, const fs::path& tree, ICrypto& crypto, FolderListing& listing) {
    ManifestEntry entry;
    entry.path = file.path().lexically_relative(tree).generic_string();
    if (!IsManifestPath(entry.path)) return "the name " + entry.path + " cannot be listed in a manifest";
    if (!HashFile(file.path(), crypto, entry)) return "cannot read " + file.path().string();
    listing.files.push_back(std::move(entry));
    return {};
}

}  // namespace

FolderListing ListFolderFiles(const fs::path& tree, std::string_view folder, std::string_view otherFolder,
                              ICrypto& crypto) {
    FolderListing listing;
    std::error_code error;
    const fs::path canonicalTree = fs::canonical(tree, error);
    if (error) return {{}, "cannot open the tree " + tree.string()};
    for (auto walk = fs::recursive_directory_iterator(canonicalTree, error); !error && walk != fs::end(walk);
         walk.increment(error)) {
        const fs::directory_entry& entry = *walk;
        const std::string path = entry.path().lexically_relative(canonicalTree).generic_string();
        if (IsUnder(path, otherFolder) || IsManifestFile(path, folder)) continue;
        if (entry.is_symlink()) listing.error = LinkFault(entry, canonicalTree);
        if (listing.error.empty() && entry.is_regular_file()) listing.error = AddFile(entry, canonicalTree, crypto, listing);
        if (!listing.error.empty()) return listing;
    }
    if (error) return {{}, "cannot list the tree " + tree.string() + ": " + error.message()};
    std::sort(listing.files.begin(), listing.files.end(),
              [](const ManifestEntry& a, const ManifestEntry& b) { return a.path < b.path; });
    return listing;
}

}  // namespace veltra
