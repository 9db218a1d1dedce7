#include "transfer/download_engine.h"

#include <string_view>
#include <utility>

#include "core/categories.h"
#include "core/debug_log.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "transfer/server_address.h"
#include "transfer/transfer_monitor.h"

namespace veltra {
namespace {

constexpr char16_t kBoxTitle[] = u"Veltra 5";
constexpr char16_t kNotAsSigned[] =
    u"The downloaded file is not the one the update server's signed file list gives, so it was not used.";

}  // namespace

int ProgressPercent(std::uint32_t progress, std::uint32_t total) {
    if (total == 0) return 0;
    // A server that sends more than it announced would push the bar past its end.
    const double percent = static_cast<double>(progress) * 100.0 / static_cast<double>(total);
    return percent >= 100.0 ? 100 : static_cast<int>(percent);
}

std::u16string ProgressText(int downloadMode, int currentCode, int percent) {
    const std::u16string number = DecimalText(percent) + u" %";
    if (downloadMode == kModeCatalogue)
        return u"Download " + CategoryName(currentCode) + u" information now ... " + number;
    return u"File download now ... " + number;
}

DownloadEngine::DownloadEngine(IUrlTransfers& transfers, IMessageBox& messageBox, VT5Record& vt5,
                               IDownloadTarget& target, const TransferLimits& limits)
    : transfers_(transfers),
      messageBox_(messageBox),
      vt5_(vt5),
      target_(target),
      limits_(limits),
      watchdog_(limits.stallMilliseconds, limits.transferMilliseconds) {}

void DownloadEngine::URLDownload(std::u16string sURL, std::u16string sPath, std::optional<ExpectedFile> expected) {
    DebugLog(u"Run URLDownload");
    if (transfers_.HasWorker()) return;
    // Any other scheme would reach servers the program has no business with.
    if (sURL.empty() || !IsTransferAddress(sURL) || !transfers_.IsValidUrl(sURL)) {
        messageBox_.ShowStop(u"The URL is invalid.", kBoxTitle);
        target_.ReturnToListView();
        return;
    }
    watchdog_.Start();
    TransferRules rules = limits_.Rules(vt5_.nDownloadMode != kModeCatalogue);
    rules.expected = lastExpected_ = expected;
    lastPath_ = sPath;
    if (transfers_.Start(sURL, sPath, rules, *this)) return;
    messageBox_.ShowStop(u"Could not create the thread.", kBoxTitle);
    // No worker will report back: the page must not wait in its progress view.
    target_.ReturnToListView();
}

void DownloadEngine::Refuse(const std::u16string& message) {
    messageBox_.ShowStop(message, kBoxTitle);
    ++nRefusals;
    nWebStop = kWebStopRefused;
    target_.OnNextItem();
}

void DownloadEngine::RequestStop() {
    if (!transfers_.HasWorker()) return;
    watchdog_.StopRequested();
    transfers_.RequestStop();
}

void DownloadEngine::OnDownloadProgress(const DownloadProgress* progress) {
    if (progress == nullptr) return;
    watchdog_.Progress();
    if (progress->ulProgressMax == 0) {
        nPercent = 0;
        target_.RedrawProgressBar(nPercent);
        return;
    }
    const int percent = ProgressPercent(progress->ulProgress, progress->ulProgressMax);
    if (percent != nLastPercent) {
        nPercent = percent;
        target_.RedrawProgressBar(nPercent);
        const std::u16string text = ProgressText(vt5_.nDownloadMode, vt5_.currentCode, percent);
        target_.ShowProgressText(text);
        DebugLog(text);
    }
    nLastPercent = percent;
}

void DownloadEngine::OnTransferTick(std::uint64_t milliseconds) {
    if (!transfers_.HasWorker()) return;
    const WatchdogVerdict verdict = watchdog_.Tick(milliseconds);
    if (verdict == WatchdogVerdict::Running) return;
    static constexpr const char16_t* kWhy[] = {u"", u"Transfer stalled", u"Transfer took too long", u"Transfer stopped"};
    DebugLog(kWhy[static_cast<int>(verdict)]);
    // The service may never return: its worker is let go, and the page goes on now.
    EndTransfer(transfers_.Abandon(verdict == WatchdogVerdict::Stopped));
}

void DownloadEngine::OnEndDownload() { EndTransfer(transfers_.Finish()); }

void DownloadEngine::EndTransfer(const std::u16string& sResult) {
    DebugLog(u"");
    DebugLog(u"============== OnEndDownload ===================");
    if (!sResult.empty()) {
        static constexpr std::pair<std::u16string_view, WebStop> kOutcomes[] = {
            {u"1", kWebStopUserBreak}, {u"3", kWebStopRefused}, {u"4", kWebStopNotSaved}};
        nWebStop = kWebStopFailed;
        for (const auto& [result, stop] : kOutcomes) {
            if (sResult == result) nWebStop = stop;
        }
        static constexpr const char16_t* kWhy[] = {u"", u" : user break", u" : Server is busy or connect fail",
                                                   u" : not as the signed file list gives", u" : the file could not be saved"};
        DebugLog(u"nWebStop = " + DecimalText(nWebStop) + kWhy[nWebStop]);
        if (nWebStop == kWebStopRefused) {
            ++nRefusals;
            messageBox_.ShowStop(kNotAsSigned, kBoxTitle);
        }
    }
    target_.OnNextItem();
}

}  // namespace veltra
