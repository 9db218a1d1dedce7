#pragma once
#include <string>
#include <vector>

namespace veltra {

// A folder that others may write in, as a writer there must see it: a symbolic link or
// junction in it can send a write elsewhere, so links are told and never walked through.
class IFolderTree {
public:
    virtual ~IFolderTree() = default;
    // True when the path exists and is a symbolic link, a junction or another reparse point.
    virtual bool IsLink(const std::u16string& path) = 0;
    // The files below the folder as '/'-separated paths relative to it; links and what lies
    // behind them are left out.
    virtual std::vector<std::string> Files(const std::u16string& folder) = 0;
};

}  // namespace veltra
