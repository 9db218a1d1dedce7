#include "cli/mirror_folder.h"

#include <algorithm>

#include "cli/plain_text.h"
#include "core/text.h"
#include "platform/file_system.h"
#include "platform/folder_tree.h"

namespace veltra {

MirrorFolder::MirrorFolder(IFileSystem& files, IFolderTree& tree, std::u16string root)
    : files_(files), tree_(tree), root_(std::move(root)) {
    while (root_.size() > 1 && root_.back() == u'\\') root_.pop_back();
}

bool MirrorFolder::Prepare(std::ostream& err) {
    const std::string name = PlainText(root_);
    if (tree_.IsLink(root_)) {
        err << "veltra-cli: the mirror folder \"" << name << "\" is a symbolic link or junction: refused\n";
        return false;
    }
    if (files_.IsDirectory(root_) || (files_.MakeDirectory(root_) && files_.IsDirectory(root_))) return true;
    err << "veltra-cli: the mirror folder \"" << name << "\" is not a folder and cannot be made\n";
    return false;
}

std::u16string MirrorFolder::LocalPath(const std::string& path) const {
    std::u16string local = root_ + u"\\" + Utf8ToUtf16(path);
    std::replace(local.begin(), local.end(), u'/', u'\\');
    return local;
}

bool MirrorFolder::LinkOnTheWay(const std::string& path) {
    std::u16string local = root_;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        local += u'\\';
        local += Utf8ToUtf16(path.substr(start, slash - start));
        if (tree_.IsLink(local)) return true;
        start = slash + 1;
    }
    return false;
}

bool MirrorFolder::MakeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/'); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::u16string folder = LocalPath(path.substr(0, slash));
        if (!files_.IsDirectory(folder) && !files_.MakeDirectory(folder)) return false;
        if (!files_.IsDirectory(folder)) return false;
    }
    return true;
}

std::vector<std::string> MirrorFolder::Files() { return tree_.Files(root_); }

}  // namespace veltra
