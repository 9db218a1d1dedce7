#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/url_transfer.h"
#include "transfer/win32/download_thread.h"

namespace veltra {

// The URL service of urlmon and wininet with one worker thread at a time. The download
// target is a message-only window of the thread that creates this object: the worker
// sends it progress and posts it the end, a stop request posts to it from any thread, a
// timer ticks on it while a worker runs, and it hands them all to the events of the
// running transfer. A message of a transfer that was
// let go carries an old serial number and reaches no one.
class Win32UrlTransfers final : public IUrlTransfers {
public:
    Win32UrlTransfers();
    Win32UrlTransfers(const Win32UrlTransfers&) = delete;
    Win32UrlTransfers& operator=(const Win32UrlTransfers&) = delete;
    // A worker still running is let go; workers let go are given a second to end.
    ~Win32UrlTransfers() override;

    bool IsValidUrl(const std::u16string& url) override;
    void DeleteCacheEntry(const std::u16string& url) override;
    bool HasWorker() const override { return thread_ != nullptr; }
    bool Start(const std::u16string& url, const std::u16string& path, const TransferRules& rules,
               IDownloadEvents& events) override;
    void RequestStop() override;
    std::u16string Finish() override;
    std::u16string Abandon(bool stopRequested) override;

private:
    static LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Release();
    void ForgetEndedWorkers();

    HWND window_ = nullptr;
    HANDLE thread_ = nullptr;
    std::vector<HANDLE> letGo_;  // workers let go that may not have ended yet
    std::shared_ptr<DownloadParams> params_;
    unsigned serial_ = 0;
    IDownloadEvents* events_ = nullptr;
};

}  // namespace veltra
