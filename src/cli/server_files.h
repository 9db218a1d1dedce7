#pragma once
#include <memory>
#include <optional>
#include <string>

namespace veltra {

class IFileSystem;
struct Platform;
struct UpdateServices;

// Where verify reads an update server's files from: a local copy of its tree, or the
// server itself through the program's download engine into one scratch file.
class ServerFiles {
public:
    virtual ~ServerFiles() = default;
    // A local file holding the server's file at a manifest path; nothing when the server
    // has no such file or it could not be fetched.
    virtual std::optional<std::u16string> Fetch(const std::string& path) = 0;
    // True once the reader's time is up: nothing more is fetched.
    virtual bool OutOfTime() { return false; }
};

// tree: a folder of this computer holding the server's files.
std::unique_ptr<ServerFiles> LocalTreeFiles(IFileSystem& files, const std::u16string& tree);
// base: the server's base address, no trailing slash; scratch: the file fetched into,
// removed when the reader ends; deadlineSeconds: from now, the time all fetches together
// may take (a transfer still running then is ended).
std::unique_ptr<ServerFiles> ServerTreeFiles(UpdateServices& services, Platform& platform, const std::u16string& base,
                                             const std::u16string& scratch, int deadlineSeconds);

}  // namespace veltra
