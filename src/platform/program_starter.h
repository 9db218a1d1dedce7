#pragma once
#include <optional>
#include <string>

#include "platform/url_transfer.h"

namespace veltra {

// The result of a start refused because the file is not the one the signed list vouches
// for: it changed after its transfer was checked. Not one of WinExec's own codes.
constexpr unsigned kStartNotAsChecked = 31;
// The result of a start refused because users other than the administrators may write to
// the program's folder, where an installer finds the libraries it loads.
constexpr unsigned kStartFolderOpen = 30;

// Starts a downloaded program without waiting for it, shown normally. The command line is
// UTF-16, so every path the file system allows can be started.
class IProgramStarter {
public:
    virtual ~IProgramStarter() = default;
    // Starts the file `program` with `commandLine`, unless its folder is kStartFolderOpen. With `expected`, the file is first
    // opened without sharing write or delete access and checked through that handle, which
    // is held until the new process exists: the bytes checked are the bytes that run.
    // WinExec's result codes: above 31 started; 0 out of resources, 2 file not found,
    // 3 path not found, 11 bad format, kStartNotAsChecked, kStartFolderOpen, another small
    // code otherwise.
    virtual unsigned Start(const std::u16string& program, const std::u16string& commandLine,
                           const std::optional<ExpectedFile>& expected) = 0;
};

}  // namespace veltra
