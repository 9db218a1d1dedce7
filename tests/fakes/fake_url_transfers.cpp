#include "fakes/fake_url_transfers.h"

#include <algorithm>

#include "download/transfer_monitor.h"

namespace veltra::fakes {
namespace {

constexpr std::uint32_t kDownloadingData = 5;

}  // namespace

bool FakeUrlTransfers::IsValidUrl(const std::u16string& url) { return IsWellFormedUrl(url); }

bool FakeUrlTransfers::Start(const std::u16string& url, const std::u16string& path, IDownloadEvents& events) {
    if (failThreadCreation) return false;
    stopSignalled_ = false;  // the stop event is reset at every start
    events_ = &events;
    url_ = url;
    path_ = path;
    running_ = true;
    startedUrls.push_back(url);
    return true;
}

std::u16string FakeUrlTransfers::Finish() {
    running_ = false;
    return result_;
}

void FakeUrlTransfers::RunWorker() {
    TransferMonitor monitor;
    TransferCall call = TransferCall::Failed;
    std::vector<unsigned char> received;
    const auto found = server.find(url_);
    if (found != server.end()) {
        const FakeResponse& response = found->second;
        monitor.HttpStatus(response.httpStatus);
        const auto total = static_cast<std::uint32_t>(response.announceLength ? response.body.size() : 0);
        const std::size_t delivered = std::min(response.body.size(), response.closeAfter);
        call = TransferCall::Succeeded;
        while (received.size() < delivered) {
            const std::size_t count = std::min(chunkBytes, delivered - received.size());
            received.insert(received.end(), response.body.begin() + static_cast<std::ptrdiff_t>(received.size()),
                            response.body.begin() + static_cast<std::ptrdiff_t>(received.size() + count));
            const DownloadProgress progress =
                monitor.Progress(static_cast<std::uint32_t>(received.size()), total, kDownloadingData, url_.c_str());
            events_->OnDownloadProgress(&progress);
            if (stopSignalled_) {
                stopSignalled_ = false;
                events_->OnDownloadProgress(nullptr);
                call = TransferCall::Aborted;
                break;
            }
        }
    }
    const TransferVerdict verdict = monitor.Finish(call, received.size());
    if (verdict.keepFile) files_.AddFile(path_, received);
    result_ = verdict.sResult;
    events_->OnEndDownload();
}

}  // namespace veltra::fakes
