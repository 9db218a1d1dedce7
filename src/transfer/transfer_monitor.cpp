#include "transfer/transfer_monitor.h"

#include <algorithm>

#include "core/debug_log.h"
#include "core/text.h"

namespace veltra {
namespace {

constexpr std::uint32_t kLastKnownStatus = 24;
constexpr std::uint32_t kOtherStatus = 25;
constexpr std::uint64_t kLargestLength = std::uint64_t{1} << 50;

char16_t Lower(char16_t unit) { return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit; }

std::u16string LowerAscii(std::u16string_view text) {
    std::u16string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), Lower);
    return lower;
}

std::u16string_view TrimmedHeaderValue(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u" \t");
    if (first == std::u16string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(u" \t\r") - first + 1);
}

// Digits only, below kLargestLength; nothing else is a length.
std::optional<std::uint64_t> LengthValue(std::u16string_view text) {
    if (text.empty() || text.size() > 16) return std::nullopt;
    std::uint64_t value = 0;
    for (char16_t unit : text) {
        if (unit < u'0' || unit > u'9') return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(unit - u'0');
    }
    if (value >= kLargestLength) return std::nullopt;
    return value;
}

}  // namespace

DownloadProgress TransferMonitor::Progress(std::uint32_t progress, std::uint32_t progressMax, std::uint32_t statusCode,
                                           const char16_t* statusText) {
    if (statusCode == kStatusRedirecting) {
        CheckRedirect(statusText == nullptr ? u"" : statusText);
    } else {
        // A count that fell back has passed 4 GiB.
        bytes_ += progress >= lastProgress_ ? progress - lastProgress_
                                            : (std::uint64_t{1} << 32) - lastProgress_ + progress;
        lastProgress_ = progress;
        if (bytes_ > BodyByteLimit(rules_)) BodyLimitReached();
    }
    const bool known = statusCode >= 1 && statusCode <= kLastKnownStatus;
    return DownloadProgress{progress, progressMax, known ? statusCode : kOtherStatus, statusText};
}

void TransferMonitor::CheckRedirect(const std::u16string& target) {
    if (++redirects_ > rules_.maxRedirects) Refuse(u"more than " + DecimalText(rules_.maxRedirects) + u" redirects");
    else if (!IsHttpUrl(target)) Refuse(u"a redirect to " + target);
    else if (!rules_.otherHosts && UrlAuthority(target) != UrlAuthority(url_)) Refuse(u"a redirect to " + target);
}

void TransferMonitor::RequestHost(const std::u16string& host) {
    if (host.empty() || LowerAscii(host) == UrlAuthority(current_)) return;
    const std::size_t scheme = current_.find(u"://");
    CheckRedirect(current_.substr(0, scheme) + u"://" + host + u"/");
}

std::optional<std::u16string> TransferMonitor::NextAddress() {
    static constexpr std::uint32_t kRedirects[] = {301, 302, 303, 307, 308};
    if (!refusal_.empty() || location_.empty() || std::find(std::begin(kRedirects), std::end(kRedirects), httpStatus_) == std::end(kRedirects))
        return std::nullopt;
    const std::u16string next = ResolveLocation(current_, location_);
    CheckRedirect(next);
    if (!refusal_.empty()) return std::nullopt;
    current_ = next;
    responded_ = false;
    return next;
}

void TransferMonitor::Response(std::uint32_t status, const std::u16string& headers) {
    responded_ = true;
    httpStatus_ = status;
    httpReply_ = headers.starts_with(u"HTTP/1.");
    encoded_ = false;
    badLength_ = false;
    hasHeaders_ = false;
    contentLength_.reset();
    location_.clear();
    std::size_t start = headers.find(u'\n');
    while (start != std::u16string::npos) {
        const std::size_t end = headers.find(u'\n', start + 1);
        const std::u16string_view line = std::u16string_view(headers).substr(start + 1, end - start - 1);
        start = end;
        const std::size_t colon = line.find(u':');
        if (colon == std::u16string_view::npos) continue;
        hasHeaders_ = true;
        const std::u16string name = LowerAscii(TrimmedHeaderValue(line.substr(0, colon)));
        if (name == u"location") location_ = TrimmedHeaderValue(line.substr(colon + 1));
        const std::u16string value = LowerAscii(TrimmedHeaderValue(line.substr(colon + 1)));
        if (name == u"content-encoding" && value != u"identity") encoded_ = true;
        if (name != u"content-length") continue;
        const std::optional<std::uint64_t> length = LengthValue(value);
        badLength_ = badLength_ || !length || (contentLength_ && *contentLength_ != *length);
        contentLength_ = length;
    }
}

void TransferMonitor::FileReply(std::uint64_t size) {
    Response(200, u"");
    httpReply_ = hasHeaders_ = true;
    contentLength_ = size;
}

void TransferMonitor::BodyLimitReached() { Refuse(TooLarge()); }

std::u16string TransferMonitor::TooLarge() const {
    return u"more than " + DecimalText(static_cast<long long>(BodyByteLimit(rules_))) + u" bytes";
}

void TransferMonitor::Refuse(const std::u16string& reason) {
    if (refusal_.empty()) refusal_ = reason;
}

std::u16string TransferMonitor::Fault(std::uint64_t fileBytes) const {
    if (!refusal_.empty()) return refusal_;
    // A reply that is not HTTP at all reaches us dressed as one with no header lines.
    if (!responded_ || !httpReply_ || !hasHeaders_) return u"no HTTP reply";
    if (httpStatus_ < 200 || httpStatus_ > 299) return u"HTTP status " + DecimalText(httpStatus_);
    // The announced length counts the encoded bytes, so an encoded body cannot be checked.
    if (encoded_) return u"an encoded body";
    if (badLength_) return u"a bad Content-Length";
    if (contentLength_ && fileBytes != *contentLength_) {
        return DecimalText(static_cast<long long>(fileBytes)) + u" of " +
               DecimalText(static_cast<long long>(*contentLength_)) + u" bytes";
    }
    // Without a length a cut body looks complete: a file that is started must have one.
    if (!contentLength_ && rules_.needsLength) return u"no Content-Length";
    if (fileBytes > BodyByteLimit(rules_)) return TooLarge();
    if (fileBytes == 0 && rules_.needsLength) return u"an empty body";
    return u"";
}

TransferVerdict TransferMonitor::Finish(TransferCall call, std::uint64_t fileBytes) const {
    DebugLog(u"Run Download");
    if (call == TransferCall::Aborted && refusal_.empty()) return {u"1", false};
    const std::u16string fault = call == TransferCall::Succeeded ? Fault(fileBytes) : refusal_;
    if (call == TransferCall::Succeeded && fault.empty()) return {u"", true};
    DebugLog(u"Transfer failed: " + (fault.empty() ? u"the service gave up" : fault));
    return {u"2", false};
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

bool IsHttpUrl(const std::u16string& url) {
    const std::u16string lower = LowerAscii(url.substr(0, 8));
    const std::size_t hostAt = lower.starts_with(u"http://") ? 7 : lower.starts_with(u"https://") ? 8 : 0;
    return hostAt != 0 && !UrlAuthority(url).empty();
}

std::u16string UrlAuthority(const std::u16string& url) {
    const std::size_t slashes = url.find(u"://");
    if (slashes == std::u16string::npos) return {};
    const std::size_t start = slashes + 3;
    const std::size_t end = std::min(url.find_first_of(u"/?#\\", start), url.size());
    std::u16string_view authority = std::u16string_view(url).substr(start, end - start);
    const std::size_t at = authority.rfind(u'@');
    if (at != std::u16string_view::npos) authority.remove_prefix(at + 1);
    return LowerAscii(authority);
}

std::u16string ResolveLocation(const std::u16string& base, const std::u16string& location) {
    if (IsWellFormedUrl(location) && location.find(u':') < location.find_first_of(u"/?#")) return location;
    const std::size_t slashes = base.find(u"://");
    if (slashes == std::u16string::npos) return location;
    if (location.starts_with(u"//")) return base.substr(0, slashes + 1) + location;
    const std::size_t pathAt = std::min(base.find_first_of(u"/?#", slashes + 3), base.size());
    if (location.starts_with(u"/")) return base.substr(0, pathAt) + location;
    const std::size_t query = std::min(base.find_first_of(u"?#", pathAt), base.size());
    const std::size_t lastSlash = base.rfind(u'/', query == 0 ? 0 : query - 1);
    const std::size_t folderEnd = lastSlash == std::u16string::npos || lastSlash < pathAt ? pathAt : lastSlash + 1;
    return base.substr(0, folderEnd) + (folderEnd == pathAt ? u"/" : u"") + location;
}

std::uint64_t BodyByteLimit(const TransferRules& rules) {
    return rules.expected ? std::min(rules.maxBytes, rules.expected->size) : rules.maxBytes;
}

std::u16string TemporaryDownloadPath(const std::u16string& target, std::span<const std::uint8_t> random) {
    static constexpr char16_t kDigits[] = u"0123456789abcdef";
    std::u16string name = target + u".";
    for (std::uint8_t byte : random) {
        name += kDigits[byte >> 4];
        name += kDigits[byte & 15];
    }
    return name + u".part";
}

}  // namespace veltra
