#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/url_transfer.h"

namespace veltra {

// How the URL service's call ended.
enum class TransferCall { Succeeded, Aborted, Failed };

struct TransferVerdict {
    std::u16string sResult;  // as IUrlTransfers::Finish gives it
    bool keepFile = false;   // the temporary file may replace the target
};

// The service's notice that it follows a redirect; its text is the new address.
constexpr std::uint32_t kStatusRedirecting = 3;

// Watches one transfer on the worker thread and judges it at the end. The service calls
// an error page, a redirect it could not follow, a reply that is not HTTP and a connection
// closed early a success; only a 2xx reply whose whole announced body arrived is one here.
class TransferMonitor {
public:
    TransferMonitor(std::u16string url, TransferRules rules) : url_(url), current_(std::move(url)), rules_(rules) {}

    // The record for the progress notice, with the status code folded into 1..25. Checks
    // redirects and the size limit as the notice arrives.
    DownloadProgress Progress(std::uint32_t progress, std::uint32_t progressMax, std::uint32_t statusCode,
                              const char16_t* statusText);
    // The final reply: its status and its raw header lines, status line first.
    void Response(std::uint32_t status, const std::u16string& headers);
    // The host the reply came from, as the request's Host header names it: the service may
    // follow a redirect without a notice, and another host than the one asked is one.
    void RequestHost(const std::u16string& host);
    // A file read from a folder instead of a reply: its size stands for the announced length.
    void FileReply(std::uint64_t size);
    // The folder's file could not be read (missing, as a 404 is, or unreadable).
    void FileNotRead(const std::u16string& reason) { Refuse(reason); }
    // True once a rule is broken: the worker aborts the transfer at the next notice.
    bool Refused() const { return !refusal_.empty(); }
    // The body reached BodyByteLimit and its next bytes were not written.
    void BodyLimitReached();
    // After a redirect reply (301, 302, 303, 307, 308 with a Location), the address to
    // fetch next when the rules allow it; nothing otherwise. The worker follows redirects
    // itself, so each one is checked before it is requested.
    std::optional<std::u16string> NextAddress();
    // Logs "Run Download" (and why a transfer failed) and decides the outcome from the
    // call's result and the size of the file it wrote.
    TransferVerdict Finish(TransferCall call, std::uint64_t fileBytes) const;

private:
    void Refuse(const std::u16string& reason);
    void CheckRedirect(const std::u16string& target);
    std::u16string TooLarge() const;
    std::u16string Fault(std::uint64_t fileBytes) const;

    std::u16string url_;      // the first address
    std::u16string current_;  // the address now fetched
    TransferRules rules_;
    std::u16string refusal_;
    int redirects_ = 0;
    std::uint64_t bytes_ = 0;  // the service counts in 32 bits; this does not wrap
    std::uint32_t lastProgress_ = 0;
    bool responded_ = false;
    std::uint32_t httpStatus_ = 0;
    bool httpReply_ = false;
    bool encoded_ = false;
    bool badLength_ = false;
    bool hasHeaders_ = false;
    std::optional<std::uint64_t> contentLength_;
    std::u16string location_;
};

// A scheme (a letter, then letters, digits, "+", "-" or "."), a colon and something after
// it. The system's own test accepts anything under some hosts; this one holds everywhere.
bool IsWellFormedUrl(const std::u16string& url);

// "http://" or "https://" (any case) and a host: the only addresses a transfer may reach.
bool IsHttpUrl(const std::u16string& url);

// The host and port of an http or https address, in lower case.
std::u16string UrlAuthority(const std::u16string& url);

// A Location header's address taken relative to the address that answered with it.
std::u16string ResolveLocation(const std::u16string& base, const std::u16string& location);

// The most bytes a body may have: the rules' limit, or less where a signed list pins the
// file's size, since any byte past that size already makes it another file.
std::uint64_t BodyByteLimit(const TransferRules& rules);

// The file a transfer writes before it replaces its target: beside it, same folder, named
// by random bytes so that nobody can plant a link under its name beforehand.
std::u16string TemporaryDownloadPath(const std::u16string& target, std::span<const std::uint8_t> random);

}  // namespace veltra
