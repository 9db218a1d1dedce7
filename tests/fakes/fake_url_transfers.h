#pragma once
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "platform/url_transfer.h"
#include "transfer/transfer_monitor.h"

namespace veltra::fakes {

// A URL service over a map of addresses to the bodies of 200 replies. Start only records the transfer; RunWorker then
// plays it as the worker does: the reply's headers, a progress notice per chunk, the
// verdict of the same TransferMonitor the real worker uses, the expected size and hash
// checked, the file written only after a good transfer (not saved in a read-only folder), and
// the end notice. Addresses the map lacks are refused.
class FakeUrlTransfers final : public IUrlTransfers {
public:
    explicit FakeUrlTransfers(FakeFileSystem& files) : files_(files) {}

    bool IsValidUrl(const std::u16string& url) override;
    void DeleteCacheEntry(const std::u16string& url) override { deletedCacheEntries.push_back(url); }
    bool HasWorker() const override { return running_; }
    bool Start(const std::u16string& url, const std::u16string& path, const TransferRules& rules,
               IDownloadEvents& events) override;
    void RequestStop() override;
    std::u16string Finish() override;
    std::u16string Abandon(bool stopRequested) override;

    void RunWorker();

    std::map<std::u16string, std::vector<unsigned char>> server;
    std::vector<std::u16string> deletedCacheEntries;
    std::vector<std::u16string> startedUrls;
    int abandoned = 0;
    // Checks a transfer's expected size and hash, as the worker does; needed only then.
    ICrypto* crypto = nullptr;

private:
    TransferCall Play(TransferMonitor& monitor, std::vector<unsigned char>& received);

    FakeFileSystem& files_;
    IDownloadEvents* events_ = nullptr;
    std::u16string url_;
    std::u16string path_;
    TransferRules rules_;
    std::u16string result_;
    bool running_ = false;
};

}  // namespace veltra::fakes
