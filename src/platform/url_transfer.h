#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/crypto.h"

namespace veltra {

// The record whose address travels with a progress notice; valid only during the call.
struct DownloadProgress {
    std::uint32_t ulProgress = 0;     // bytes so far
    std::uint32_t ulProgressMax = 0;  // expected total, 0 when the server gives none
    std::uint32_t ulStatusCode = 0;   // the service's status code in 1..24, otherwise 25
    const char16_t* szStatusText = nullptr;
};

// The size and SHA-256 a signed list vouches for.
struct ExpectedFile {
    std::uint64_t size = 0;
    Sha256Digest sha256{};
};

// What one transfer may do before it counts as failed.
struct TransferRules {
    std::uint64_t maxBytes = 0;      // the body may not grow past this
    int maxRedirects = 5;            // http and https only
    bool otherHosts = false;         // redirects may leave the first address's host
    bool needsLength = false;        // the reply must announce its length (a file that is started)
    // When set, the file replaces its target only with exactly this size and hash.
    std::optional<ExpectedFile> expected;
};

// What a transfer reports, delivered on the thread that started it.
class IDownloadEvents {
public:
    virtual ~IDownloadEvents() = default;
    // Null progress is the notice that the transfer is being stopped.
    virtual void OnDownloadProgress(const DownloadProgress* progress) = 0;
    // The worker has ended and written its result.
    virtual void OnEndDownload() = 0;
    // A few times a second while a worker runs, with a monotonic time in milliseconds, so
    // the owner can end a transfer that the service no longer reports on.
    virtual void OnTransferTick(std::uint64_t milliseconds) = 0;
    // A stop request reached the running transfer; it must end soon whatever the service does.
    virtual void OnStopRequested() = 0;
};

// The system's URL download service, run on one worker thread at a time.
class IUrlTransfers {
public:
    virtual ~IUrlTransfers() = default;
    virtual bool IsValidUrl(const std::u16string& url) = 0;
    // Removes the address from the system's download cache so the server copy is fetched.
    virtual void DeleteCacheEntry(const std::u16string& url) = 0;
    // True from a successful Start until Finish or Abandon.
    virtual bool HasWorker() const = 0;
    // Resets the stop event and starts the worker that fetches url into path under rules
    // and reports to events; false when the thread cannot be created.
    virtual bool Start(const std::u16string& url, const std::u16string& path, const TransferRules& rules,
                       IDownloadEvents& events) = 0;
    // Signals the stop event (the worker aborts at the service's next notice) and reports
    // OnStopRequested. May be called from any thread, as a console break handler does.
    virtual void RequestStop() = 0;
    // Waits for the worker if it still runs, releases it and hands back its result text:
    // empty for success, "1" stopped, "2" failed, "3" refused as not the expected file, "4" the
    // file could not be written where it goes (the folder, not the server, refused it).
    virtual std::u16string Finish() = 0;
    // Lets go of a worker the service does not give back: it is stopped, nothing waits for
    // it, and whatever it does later reaches no one and leaves no file. Hands back the
    // result text the transfer ends with: "1" for a stop request, else "2".
    virtual std::u16string Abandon(bool stopRequested) = 0;
};

}  // namespace veltra
