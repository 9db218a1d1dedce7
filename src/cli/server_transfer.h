#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/vt5_record.h"
#include "transfer/download_target.h"
#include "transfer/transfer_limits.h"
#include "platform/url_transfer.h"

namespace veltra {

class DownloadEngine;
struct Platform;
struct UpdateServices;

// The program's download engine with its limits and watchdog, fetching an update server's
// files one at a time, each transfer allowed no more than the time left of a deadline.
class ServerTransfer final : public IDownloadTarget {
public:
    // base: the server's base address, no trailing slash; deadlineSeconds: from now, the
    // time all fetches together may take (a transfer still running then is ended).
    ServerTransfer(UpdateServices& services, Platform& platform, std::u16string base, int deadlineSeconds);

    // Fetches the file at a path below the base into `target` through a temporary file of
    // its own; with `expected`, the target is replaced only by that size and hash. The
    // engine's outcome (WebStop); a failed transfer leaves the target as it was.
    int Fetch(const std::string& path, const std::u16string& target,
              const std::optional<ExpectedFile>& expected = std::nullopt);
    bool OutOfTime();
    // Told the whole percent of the running transfer as it grows.
    void OnProgress(std::function<void(int)> progress) { progress_ = std::move(progress); }

    void RedrawProgressBar(int percent) override;
    void ShowProgressText(const std::u16string&) override {}
    void ReturnToListView() override;
    void OnNextItem() override;

private:
    std::int64_t Now();

    UpdateServices& services_;
    Platform& platform_;
    TransferLimits limits_;
    VT5Record vt5_;
    DownloadEngine* engine_ = nullptr;  // the engine of the running fetch
    std::u16string base_;
    std::int64_t deadline_;
    std::function<void(int)> progress_;
    bool ended_ = false;
    int outcome_ = 0;
};

}  // namespace veltra
