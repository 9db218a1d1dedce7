#include "cli/server_files.h"

#include <algorithm>

#include "cli/update_services.h"
#include "core/text.h"
#include "cli/server_transfer.h"
#include "platform/file_system.h"
#include "platform/platform.h"
#include "transfer/download_engine.h"

namespace veltra {
namespace {

class LocalTree final : public ServerFiles {
public:
    LocalTree(IFileSystem& files, std::u16string tree) : files_(files), tree_(std::move(tree)) {}
    std::optional<std::u16string> Fetch(const std::string& path) override {
        std::u16string local = tree_ + u"\\" + Utf8ToUtf16(path);
        std::replace(local.begin(), local.end(), u'/', u'\\');
        if (!files_.Exists(local) || files_.IsDirectory(local)) return std::nullopt;
        return local;
    }

private:
    IFileSystem& files_;
    std::u16string tree_;
};

// The server through the program's download engine, one file at a time into the scratch file.
class ServerTree final : public ServerFiles {
public:
    ServerTree(UpdateServices& services, Platform& platform, std::u16string base, std::u16string scratch,
               int deadlineSeconds)
        : files_(platform.fileSystem), transfer_(services, platform, std::move(base), deadlineSeconds),
          scratch_(std::move(scratch)) {}
    ~ServerTree() override { files_.Remove(scratch_); }

    bool OutOfTime() override { return transfer_.OutOfTime(); }

    std::optional<std::u16string> Fetch(const std::string& path) override {
        // A failed transfer leaves the file as it was: the earlier file must not stand in.
        files_.Remove(scratch_);
        if (transfer_.Fetch(path, scratch_) != kWebStopNone || !files_.Exists(scratch_)) return std::nullopt;
        return scratch_;
    }

private:
    IFileSystem& files_;
    ServerTransfer transfer_;
    std::u16string scratch_;
};

}  // namespace

std::unique_ptr<ServerFiles> LocalTreeFiles(IFileSystem& files, const std::u16string& tree) {
    return std::make_unique<LocalTree>(files, tree);
}

std::unique_ptr<ServerFiles> ServerTreeFiles(UpdateServices& services, Platform& platform, const std::u16string& base,
                                             const std::u16string& scratch, int deadlineSeconds) {
    return std::make_unique<ServerTree>(services, platform, base, scratch, deadlineSeconds);
}

}  // namespace veltra
