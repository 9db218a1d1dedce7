#include "fakes/fake_url_transfers.h"

#include <algorithm>
#include <optional>

#include "core/text.h"
#include "transfer/expected_file.h"
#include "transfer/transfer_monitor.h"

namespace veltra::fakes {
namespace {

constexpr std::uint32_t kDownloadingData = 5;
constexpr std::size_t kChunkBytes = 1000;

}  // namespace

bool FakeUrlTransfers::IsValidUrl(const std::u16string& url) { return IsWellFormedUrl(url); }

bool FakeUrlTransfers::Start(const std::u16string& url, const std::u16string& path, const TransferRules& rules,
                             IDownloadEvents& events) {
    events_ = &events;
    url_ = url;
    path_ = path;
    rules_ = rules;
    running_ = true;
    startedUrls.push_back(url);
    return true;
}

void FakeUrlTransfers::RequestStop() {
    if (running_) events_->OnStopRequested();
}

std::u16string FakeUrlTransfers::Finish() {
    running_ = false;
    return result_;
}

std::u16string FakeUrlTransfers::Abandon(bool stopRequested) {
    running_ = false;
    ++abandoned;
    return stopRequested ? u"1" : u"2";
}

TransferCall FakeUrlTransfers::Play(TransferMonitor& monitor, std::vector<unsigned char>& received) {
    const auto found = server.find(url_);
    if (found == server.end()) return TransferCall::Failed;
    const std::vector<unsigned char>& body = found->second;
    const std::u16string length = DecimalText(static_cast<long long>(body.size()));
    monitor.Response(200, u"HTTP/1.1 200 Reply\r\nContent-Length: " + length + u"\r\n");
    const auto total = static_cast<std::uint32_t>(body.size());
    while (received.size() < body.size()) {
        const std::size_t count = std::min(kChunkBytes, body.size() - received.size());
        received.insert(received.end(), body.begin() + static_cast<std::ptrdiff_t>(received.size()),
                        body.begin() + static_cast<std::ptrdiff_t>(received.size() + count));
        const DownloadProgress progress =
            monitor.Progress(static_cast<std::uint32_t>(received.size()), total, kDownloadingData, url_.c_str());
        events_->OnDownloadProgress(&progress);
    }
    return TransferCall::Succeeded;
}

void FakeUrlTransfers::RunWorker() {
    TransferMonitor monitor(url_, rules_);
    std::vector<unsigned char> received;
    const TransferCall call = Play(monitor, received);
    TransferVerdict verdict = monitor.Finish(call, received.size());
    if (rules_.expected) {
        verdict = CheckExpectedFile(verdict, *rules_.expected, received.size(), [&]() -> std::optional<Sha256Digest> {
            const std::unique_ptr<ISha256> hash = crypto->NewSha256();
            hash->Add(received);
            return hash->Finish();
        });
    }
    // The folder, as Windows would, refuses the file: the earlier one stays.
    if (verdict.keepFile && files_.InReadOnlyFolder(path_)) verdict = TransferVerdict{u"4", false};
    if (verdict.keepFile) files_.AddFile(path_, received);
    result_ = verdict.sResult;
    if (running_) events_->OnEndDownload();
}

}  // namespace veltra::fakes
