#pragma once
#include <cstdint>
#include <string>

namespace veltra {

// The record whose address travels with a progress notice; valid only during the call.
struct DownloadProgress {
    std::uint32_t ulProgress = 0;     // bytes so far
    std::uint32_t ulProgressMax = 0;  // expected total, 0 when the server gives none
    std::uint32_t ulStatusCode = 0;   // the service's status code in 1..24, otherwise 25
    const char16_t* szStatusText = nullptr;
};

// What a transfer reports, delivered on the thread that started it.
class IDownloadEvents {
public:
    virtual ~IDownloadEvents() = default;
    // Null progress is the notice that the transfer is being stopped.
    virtual void OnDownloadProgress(const DownloadProgress* progress) = 0;
    // The worker has ended and written its result.
    virtual void OnEndDownload() = 0;
};

// The system's URL download service, run on one worker thread at a time.
class IUrlTransfers {
public:
    virtual ~IUrlTransfers() = default;
    virtual bool IsValidUrl(const std::u16string& url) = 0;
    // Removes the address from the system's download cache so the server copy is fetched.
    virtual void DeleteCacheEntry(const std::u16string& url) = 0;
    // True from a successful Start until Finish.
    virtual bool HasWorker() const = 0;
    // Resets the stop event and starts the worker that fetches url into path and reports
    // to events; false when the thread cannot be created.
    virtual bool Start(const std::u16string& url, const std::u16string& path, IDownloadEvents& events) = 0;
    // Signals the stop event: the one way to end a running transfer early.
    virtual void RequestStop() = 0;
    // Waits for the worker if it still runs, releases it and hands back its result text:
    // empty for success, "1" stopped, "2" failed.
    virtual std::u16string Finish() = 0;
};

}  // namespace veltra
