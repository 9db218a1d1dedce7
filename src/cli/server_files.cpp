#include "cli/server_files.h"

#include <algorithm>

#include "cli/update_services.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "platform/file_system.h"
#include "platform/message_pump.h"
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

// The download engine with its limits and watchdog, one file at a time, each transfer
// allowed no more than the time left.
class ServerTree final : public ServerFiles, public IDownloadTarget {
public:
    ServerTree(UpdateServices& services, Platform& platform, std::u16string base, std::u16string scratch,
               int deadlineSeconds)
        : services_(services),
          platform_(platform),
          limits_(ReadTransferLimits(platform.registry)),
          base_(std::move(base)),
          scratch_(std::move(scratch)),
          deadline_(Now() + deadlineSeconds) {
        vt5_.nDownloadMode = kModeBatch;
    }
    ~ServerTree() override { platform_.fileSystem.Remove(scratch_); }

    bool OutOfTime() override { return Now() >= deadline_; }

    std::optional<std::u16string> Fetch(const std::string& path) override {
        if (OutOfTime()) return std::nullopt;
        const std::u16string url = base_ + u"/" + Utf8ToUtf16(path);
        // A failed transfer leaves the file as it was: the earlier file must not stand in.
        platform_.fileSystem.Remove(scratch_);
        ended_ = false;
        failed_ = false;
        TransferLimits limits = limits_;
        limits.transferMilliseconds = std::min<std::uint64_t>(limits.transferMilliseconds, (deadline_ - Now()) * 1000);
        DownloadEngine engine(services_.transfers, platform_.messageBox, vt5_, *this, limits);
        engine_ = &engine;
        engine.DeleteCacheEntry(url);
        engine.URLDownload(url, scratch_);
        services_.pump.PumpUntil([this] { return ended_; });
        engine_ = nullptr;
        if (failed_ || !platform_.fileSystem.Exists(scratch_)) return std::nullopt;
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
        failed_ = engine_->nWebStop != kWebStopNone;
        ended_ = true;
    }

private:
    std::int64_t Now() { return platform_.clock.ToSeconds(platform_.clock.LocalNow()); }

    UpdateServices& services_;
    Platform& platform_;
    TransferLimits limits_;
    VT5Record vt5_;
    DownloadEngine* engine_ = nullptr;  // the engine of the running fetch
    std::u16string base_;
    std::u16string scratch_;
    std::int64_t deadline_;
    bool ended_ = false;
    bool failed_ = false;
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
