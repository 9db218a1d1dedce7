#include "download/transfer_monitor.h"

#include <algorithm>

#include "core/debug_log.h"

namespace veltra {
namespace {

constexpr std::uint32_t kLastKnownStatus = 24;
constexpr std::uint32_t kOtherStatus = 25;
constexpr std::uint32_t kFirstHttpError = 400;

}  // namespace

DownloadProgress TransferMonitor::Progress(std::uint32_t progress, std::uint32_t progressMax,
                                           std::uint32_t statusCode, const char16_t* statusText) {
    announcedBytes_ = std::max(announcedBytes_, progressMax);
    const bool known = statusCode >= 1 && statusCode <= kLastKnownStatus;
    return DownloadProgress{progress, progressMax, known ? statusCode : kOtherStatus, statusText};
}

TransferVerdict TransferMonitor::Finish(TransferCall call, std::uint64_t fileBytes) const {
    DebugLog(u"Run Download");
    if (call == TransferCall::Aborted) return {u"1", false};
    const bool httpError = httpStatus_ >= kFirstHttpError;
    const bool cutShort = announcedBytes_ != 0 && fileBytes < announcedBytes_;
    if (call == TransferCall::Failed || httpError || cutShort) return {u"2", false};
    return {u"", true};
}

bool IsWellFormedUrl(const std::u16string& url) {
    auto letter = [](char16_t unit) { return (unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z'); };
    auto schemeUnit = [&](char16_t unit) {
        return letter(unit) || (unit >= u'0' && unit <= u'9') || unit == u'+' || unit == u'-' || unit == u'.';
    };
    const std::size_t colon = url.find(u':');
    if (colon == std::u16string::npos || colon == 0 || colon + 1 == url.size() || !letter(url[0])) return false;
    return std::all_of(url.begin(), url.begin() + static_cast<std::ptrdiff_t>(colon), schemeUnit);
}

std::u16string TemporaryDownloadPath(const std::u16string& target) { return target + u".part"; }

}  // namespace veltra
