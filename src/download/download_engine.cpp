#include "download/download_engine.h"

#include "core/categories.h"
#include "core/debug_log.h"
#include "core/text.h"
#include "core/vt5_record.h"

namespace veltra {
namespace {

constexpr char16_t kBoxTitle[] = u"Veltra 5";

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
                               IDownloadTarget& target)
    : transfers_(transfers), messageBox_(messageBox), vt5_(vt5), target_(target) {}

void DownloadEngine::URLDownload(std::u16string sURL, std::u16string sPath) {
    DebugLog(u"Run URLDownload");
    if (transfers_.HasWorker()) return;
    if (sURL.empty() || !transfers_.IsValidUrl(sURL)) {
        messageBox_.ShowStop(u"The URL is invalid.", kBoxTitle);
        target_.ReturnToListView();
        return;
    }
    if (transfers_.Start(sURL, sPath, *this)) return;
    messageBox_.ShowStop(u"Could not create the thread.", kBoxTitle);
    // No worker will report back: the page must not wait in its progress view.
    target_.ReturnToListView();
}

void DownloadEngine::OnDownloadProgress(const DownloadProgress* progress) {
    if (progress == nullptr) return;
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

void DownloadEngine::OnEndDownload() {
    DebugLog(u"");
    DebugLog(u"============== OnEndDownload ===================");
    const std::u16string sResult = transfers_.Finish();
    if (!sResult.empty()) {
        nWebStop = sResult == u"1" ? kWebStopUserBreak : kWebStopFailed;
        DebugLog(u"nWebStop = " + DecimalText(nWebStop) +
                 (nWebStop == kWebStopUserBreak ? u" : user break" : u" : Server is busy or connect fail"));
    }
    target_.OnNextItem();
}

}  // namespace veltra
