#pragma once
#include "platform/folder_tree.h"

namespace veltra {

// The entries' own attributes, not their targets': a link or junction carries the reparse mark.
class Win32FolderTree final : public IFolderTree {
public:
    bool IsLink(const std::u16string& path) override;
    std::vector<std::string> Files(const std::u16string& folder) override;
};

}  // namespace veltra
