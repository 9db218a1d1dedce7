#pragma once
#include <string>
#include <vector>

#include "platform/url_transfer.h"

namespace veltra {

// One transfer as the console reports it.
struct TransferRecord {
    std::u16string url;
    std::u16string path;
    std::u16string result;  // empty success, "1" user break, "2" failed, "3" refused
    bool ended = false;
};

// The URL service with a note of every transfer and its outcome, for the report.
class RecordedTransfers final : public IUrlTransfers {
public:
    explicit RecordedTransfers(IUrlTransfers& inner) : inner_(inner) {}

    bool IsValidUrl(const std::u16string& url) override { return inner_.IsValidUrl(url); }
    void DeleteCacheEntry(const std::u16string& url) override { inner_.DeleteCacheEntry(url); }
    bool HasWorker() const override { return inner_.HasWorker(); }
    bool Start(const std::u16string& url, const std::u16string& path, const TransferRules& rules,
               IDownloadEvents& events) override;
    void RequestStop() override { inner_.RequestStop(); }
    std::u16string Finish() override { return Ended(inner_.Finish()); }
    std::u16string Abandon(bool stopRequested) override { return Ended(inner_.Abandon(stopRequested)); }

    const std::vector<TransferRecord>& Records() const { return records_; }

private:
    std::u16string Ended(std::u16string result);

    IUrlTransfers& inner_;
    std::vector<TransferRecord> records_;
};

// "downloaded", "user break", "Server is busy or connect fail", the refusal or "not saved: ...".
std::string OutcomeText(const TransferRecord& record);

}  // namespace veltra
