#pragma once
#include <optional>
#include <string>

#include "platform/message_box.h"
#include "platform/url_transfer.h"
#include "transfer/download_target.h"
#include "transfer/transfer_limits.h"
#include "transfer/transfer_watchdog.h"

namespace veltra {

struct VT5Record;

// Outcomes of the last transfer, in nWebStop.
enum WebStop : int { kWebStopNone = 0, kWebStopUserBreak = 1, kWebStopFailed = 2, kWebStopRefused = 3, kWebStopNotSaved = 4 };

// Values of nDownloadMode.
enum DownloadMode : int { kModeCatalogue = 1, kModeBatch = 2, kModeSingle = 3 };

// Whole percent of progress out of total, both read as unsigned 32-bit numbers.
int ProgressPercent(std::uint32_t progress, std::uint32_t total);

// The progress label's text for the current mode and catalogue code.
std::u16string ProgressText(int downloadMode, int currentCode, int percent);

// One transfer at a time through the URL service, reported to the update page. Lives as
// long as the page; runs on the user-interface thread. Its watchdog ends a transfer that
// stalls, runs too long or ignores a stop request, whether or not the service returns.
class DownloadEngine final : public IDownloadEvents {
public:
    DownloadEngine(IUrlTransfers& transfers, IMessageBox& messageBox, VT5Record& vt5, IDownloadTarget& target,
                   const TransferLimits& limits = BuildTransferLimits());

    // Starts fetching sURL into sPath, or does nothing while a transfer runs. Only http
    // and https addresses are fetched; a catalogue (mode 1) and an update file have
    // their own limits. With `expected`, the file replaces sPath only with that size and hash.
    void URLDownload(std::u16string sURL, std::u16string sPath, std::optional<ExpectedFile> expected = std::nullopt);
    // Ends a transfer that may not start, as refused, with the message shown: the page
    // goes on to its next item.
    void Refuse(const std::u16string& message);
    bool Busy() const { return transfers_.HasWorker(); }
    // What the signed list gave the last transfer's file; nothing when it gave nothing.
    const std::optional<ExpectedFile>& LastExpected() const { return lastExpected_; }
    // Where the last transfer was to be saved.
    const std::u16string& LastPath() const { return lastPath_; }
    // Callers forget the cached copy before each transfer, so the server copy is fetched.
    void DeleteCacheEntry(const std::u16string& url) { transfers_.DeleteCacheEntry(url); }
    // The stop request (Ctrl+C, the page's stop, closing): the transfer ends as a user
    // break within a second, whatever the server does.
    void RequestStop();

    void OnDownloadProgress(const DownloadProgress* progress) override;
    void OnEndDownload() override;
    void OnTransferTick(std::uint64_t milliseconds) override;
    void OnStopRequested() override { watchdog_.StopRequested(); }

    int nWebStop = kWebStopNone;
    int nPercent = 0;
    int nLastPercent = 0;  // kept across transfers
    int nRefusals = 0;     // files and lists refused as unsigned since the page began

private:
    void EndTransfer(const std::u16string& sResult);

    IUrlTransfers& transfers_;
    IMessageBox& messageBox_;
    VT5Record& vt5_;
    IDownloadTarget& target_;
    TransferLimits limits_;
    TransferWatchdog watchdog_;
    std::optional<ExpectedFile> lastExpected_;
    std::u16string lastPath_;
};

}  // namespace veltra
