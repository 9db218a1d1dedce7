#pragma once
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "platform/url_transfer.h"

namespace veltra::fakes {

// What the model server answers for one address.
struct FakeResponse {
    std::uint32_t httpStatus = 200;
    std::vector<unsigned char> body;
    bool announceLength = true;                                        // false: chunked, no total
    std::size_t closeAfter = std::numeric_limits<std::size_t>::max();  // bytes before the connection drops
};

// A URL service over a map of addresses. Start only records the transfer; RunWorker then
// plays it as the service does: a progress notice per chunk with a stop check after each,
// the verdict of the same TransferMonitor the real worker uses, the file written only
// after a good transfer, and the end notice. Addresses the map lacks are refused.
class FakeUrlTransfers final : public IUrlTransfers {
public:
    explicit FakeUrlTransfers(FakeFileSystem& files) : files_(files) {}

    bool IsValidUrl(const std::u16string& url) override;
    void DeleteCacheEntry(const std::u16string& url) override { deletedCacheEntries.push_back(url); }
    bool HasWorker() const override { return running_; }
    bool Start(const std::u16string& url, const std::u16string& path, IDownloadEvents& events) override;
    void RequestStop() override { stopSignalled_ = true; }
    std::u16string Finish() override;

    void RunWorker();

    std::map<std::u16string, FakeResponse> server;
    std::size_t chunkBytes = 1000;
    bool failThreadCreation = false;
    std::vector<std::u16string> deletedCacheEntries;
    std::vector<std::u16string> startedUrls;

private:
    FakeFileSystem& files_;
    IDownloadEvents* events_ = nullptr;
    std::u16string url_;
    std::u16string path_;
    std::u16string result_;
    bool running_ = false;
    bool stopSignalled_ = false;
};

}  // namespace veltra::fakes
