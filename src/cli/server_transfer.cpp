#include "cli/server_transfer.h"

#include <algorithm>

#include "core/text.h"
#include "cli/update_services.h"
#include "transfer/download_engine.h"
#include "platform/message_pump.h"
#include "platform/platform.h"

namespace veltra {

ServerTransfer::ServerTransfer(UpdateServices& services, Platform& platform, std::u16string base, int deadlineSeconds)
    : services_(services),
      platform_(platform),
      limits_(ReadTransferLimits(platform.registry)),
      base_(std::move(base)),
      deadline_(Now() + deadlineSeconds) {
    vt5_.nDownloadMode = kModeBatch;
}

bool ServerTransfer::OutOfTime() { return Now() >= deadline_; }

int ServerTransfer::Fetch(const std::string& path, const std::u16string& target,
                          const std::optional<ExpectedFile>& expected) {
    if (OutOfTime()) return kWebStopFailed;
    const std::u16string url = base_ + u"/" + Utf8ToUtf16(path);
    ended_ = false;
    outcome_ = kWebStopNone;
    TransferLimits limits = limits_;
    limits.transferMilliseconds = std::min<std::uint64_t>(limits.transferMilliseconds, (deadline_ - Now()) * 1000);
    DownloadEngine engine(services_.transfers, platform_.messageBox, vt5_, *this, limits);
    engine_ = &engine;
    engine.DeleteCacheEntry(url);
    engine.URLDownload(url, target, expected);
    services_.pump.PumpUntil([this] { return ended_; });
    engine_ = nullptr;
    return outcome_;
}

void ServerTransfer::RedrawProgressBar(int percent) {
    if (progress_) progress_(percent);
}

// The address was refused before a transfer began.
void ServerTransfer::ReturnToListView() {
    outcome_ = kWebStopFailed;
    ended_ = true;
}

void ServerTransfer::OnNextItem() {
    outcome_ = engine_->nWebStop;
    ended_ = true;
}

std::int64_t ServerTransfer::Now() { return platform_.clock.ToSeconds(platform_.clock.LocalNow()); }

}  // namespace veltra
