#pragma once
#include <cstdint>
#include <string>

#include "platform/url_transfer.h"

namespace veltra {

// How the URL service's call ended.
enum class TransferCall { Succeeded, Aborted, Failed };

struct TransferVerdict {
    std::u16string sResult;  // empty success, "1" stopped, "2" failed
    bool keepFile = false;   // the temporary file may replace the target
};

// Watches one transfer on the worker thread and judges it at the end. The service calls
// an HTTP error page or a connection closed early a success; neither is one here.
class TransferMonitor {
public:
    // The record for the progress notice, with the status code folded into 1..25.
    DownloadProgress Progress(std::uint32_t progress, std::uint32_t progressMax, std::uint32_t statusCode,
                              const char16_t* statusText);
    void HttpStatus(std::uint32_t code) { httpStatus_ = code; }
    // Logs "Run Download" and decides the outcome from the call's result and the size of
    // the file it wrote.
    TransferVerdict Finish(TransferCall call, std::uint64_t fileBytes) const;

private:
    std::uint32_t announcedBytes_ = 0;
    std::uint32_t httpStatus_ = 0;
};

// A scheme (a letter, then letters, digits, "+", "-" or "."), a colon and something after
// it. The system's own test accepts anything under some hosts; this one holds everywhere.
bool IsWellFormedUrl(const std::u16string& url);

// The file a transfer writes before it replaces its target: beside it, same folder.
std::u16string TemporaryDownloadPath(const std::u16string& target);

}  // namespace veltra
