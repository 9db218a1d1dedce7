#pragma once
#include <string>

#include "download/download_target.h"
#include "platform/message_box.h"
#include "platform/url_transfer.h"

namespace veltra {

struct VT5Record;

// Outcomes of the last transfer, in nWebStop.
enum WebStop : int { kWebStopNone = 0, kWebStopUserBreak = 1, kWebStopFailed = 2 };

// Values of nDownloadMode.
enum DownloadMode : int { kModeCatalogue = 1, kModeBatch = 2, kModeSingle = 3 };

// Whole percent of progress out of total, both read as unsigned 32-bit numbers.
int ProgressPercent(std::uint32_t progress, std::uint32_t total);

// The progress label's text for the current mode and catalogue code.
std::u16string ProgressText(int downloadMode, int currentCode, int percent);

// One transfer at a time through the URL service, reported to the update page. Lives as
// long as the page; runs on the user-interface thread.
class DownloadEngine final : public IDownloadEvents {
public:
    DownloadEngine(IUrlTransfers& transfers, IMessageBox& messageBox, VT5Record& vt5, IDownloadTarget& target);

    // Starts fetching sURL into sPath, or does nothing while a transfer runs.
    void URLDownload(std::u16string sURL, std::u16string sPath);
    bool Busy() const { return transfers_.HasWorker(); }
    // Callers forget the cached copy before each transfer, so the server copy is fetched.
    void DeleteCacheEntry(const std::u16string& url) { transfers_.DeleteCacheEntry(url); }
    void RequestStop() { transfers_.RequestStop(); }

    void OnDownloadProgress(const DownloadProgress* progress) override;
    void OnEndDownload() override;

    int nWebStop = kWebStopNone;
    int nPercent = 0;
    int nLastPercent = 0;  // kept across transfers

private:
    IUrlTransfers& transfers_;
    IMessageBox& messageBox_;
    VT5Record& vt5_;
    IDownloadTarget& target_;
};

}  // namespace veltra
