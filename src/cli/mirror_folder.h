#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace veltra {

class IFileSystem;
class IFolderTree;

// The mirror's folder on this computer, as a writer there must see it: where a server path
// lies in it, and whether a symbolic link or junction stands in the way of a write.
class MirrorFolder {
public:
    MirrorFolder(IFileSystem& files, IFolderTree& tree, std::u16string root);

    // Makes the folder when it is missing; false, with the reason on err, when it is a link
    // or cannot be a folder.
    bool Prepare(std::ostream& err);
    // "C:\M\XBIOS\QB-7100\130\QB-7100.exe" for "XBIOS/QB-7100/130/QB-7100.exe".
    std::u16string LocalPath(const std::string& path) const;
    // Any folder on the way to the path, or the file itself, as far as they exist.
    bool LinkOnTheWay(const std::string& path);
    // The folders of the path below the root, made where missing; false when one cannot be.
    bool MakeFolders(const std::string& path);
    // Every file in it, as '/'-separated paths; links and what lies behind them left out.
    std::vector<std::string> Files();

private:
    IFileSystem& files_;
    IFolderTree& tree_;
    std::u16string root_;
};

}  // namespace veltra
