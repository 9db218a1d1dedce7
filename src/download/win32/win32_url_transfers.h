#pragma once
#include <windows.h>

#include "download/win32/download_thread.h"
#include "platform/url_transfer.h"

namespace veltra {

// The URL service of urlmon and wininet with one worker thread at a time. The download
// target is a message-only window of the thread that creates this object: the worker
// sends it progress and posts it the end, and it hands both to the events of the
// running transfer.
class Win32UrlTransfers final : public IUrlTransfers {
public:
    Win32UrlTransfers();
    Win32UrlTransfers(const Win32UrlTransfers&) = delete;
    Win32UrlTransfers& operator=(const Win32UrlTransfers&) = delete;
    // A worker still running is stopped and waited for.
    ~Win32UrlTransfers() override;

    bool IsValidUrl(const std::u16string& url) override;
    void DeleteCacheEntry(const std::u16string& url) override;
    bool HasWorker() const override { return thread_ != nullptr; }
    bool Start(const std::u16string& url, const std::u16string& path, IDownloadEvents& events) override;
    void RequestStop() override { SetEvent(stop_); }
    std::u16string Finish() override;

    HWND TargetWindow() const { return window_; }

private:
    static LRESULT CALLBACK TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void StopAndWait();

    HANDLE stop_ = nullptr;  // auto-reset, not signalled
    HWND window_ = nullptr;
    HANDLE thread_ = nullptr;
    DownloadParams params_;
    IDownloadEvents* events_ = nullptr;
};

}  // namespace veltra
