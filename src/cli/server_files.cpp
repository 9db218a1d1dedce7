#include "cli/server_files.h"

#include <algorithm>

#include "core/text.h"
#include "core/vt5_record.h"
#include "cli/update_services.h"
#include "download/download_engine.h"
#include "platform/file_system.h"
#include "platform/message_pump.h"

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

// The download engine with its limits and watchdog, one file at a time.
class ServerTree final : public ServerFiles, public IDownloadTarget {
public:
    ServerTree(UpdateServices& services, IFileSystem& files, IMessageBox& messages, IRegistry& registry,
               std::u16string base, std::u16string scratch)
        : services_(services),
          files_(files),
          engine_(services.transfers, messages, vt5_, *this, ReadTransferLimits(registry)),
          base_(std::move(base)),
          scratch_(std::move(scratch)) {
        vt5_.nDownloadMode = kModeBatch;
    }
    ~ServerTree() override { files_.Remove(scratch_); }

    std::optional<std::u16string> Fetch(const std::string& path) override {
        const std::u16string url = base_ + u"/" + Utf8ToUtf16(path);
        // A failed transfer leaves the file as it was: the earlier file must not stand in.
        files_.Remove(scratch_);
        ended_ = false;
        failed_ = false;
        engine_.DeleteCacheEntry(url);
        engine_.URLDownload(url, scratch_);
        services_.pump.PumpUntil([this] { return ended_; });
        if (failed_ || !files_.Exists(scratch_)) return std::nullopt;
        return scratch_;
    }

    void RedrawProgressBar(int) override {}
    void ShowProgressText(const std::u16string&) override {}
    // The address was refused before a transfer began.
    void ReturnToListView() override {
        failed_ = true;
        ended_ = true;
    }
    void OnNextItem() override {
        failed_ = engine_.nWebStop != kWebStopNone;
        engine_.nWebStop = kWebStopNone;
        ended_ = true;
    }

private:
    UpdateServices& services_;
    IFileSystem& files_;
    VT5Record vt5_;
    DownloadEngine engine_;
    std::u16string base_;
    std::u16string scratch_;
    bool ended_ = false;
    bool failed_ = false;
};

}  // namespace

std::unique_ptr<ServerFiles> LocalTreeFiles(IFileSystem& files, const std::u16string& tree) {
    return std::make_unique<LocalTree>(files, tree);
}

std::unique_ptr<ServerFiles> ServerTreeFiles(UpdateServices& services, IFileSystem& files, IMessageBox& messages,
                                             IRegistry& registry, const std::u16string& base,
                                             const std::u16string& scratch) {
    return std::make_unique<ServerTree>(services, files, messages, registry, base, scratch);
}

}  // namespace veltra
