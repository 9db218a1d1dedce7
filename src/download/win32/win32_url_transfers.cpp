#include "download/win32/win32_url_transfers.h"

#include <urlmon.h>
#include <wininet.h>

#include "download/transfer_monitor.h"
#include "download/win32/download_messages.h"
#include "platform/win32/wide.h"

namespace veltra {
namespace {

constexpr wchar_t kTargetClass[] = L"VeltraDownloadTarget";

void RegisterTargetClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kTargetClass;
    RegisterClassExW(&windowClass);  // fails harmlessly when already registered
}

}  // namespace

Win32UrlTransfers::Win32UrlTransfers() : stop_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    RegisterTargetClass(&Win32UrlTransfers::TargetProc);
    window_ = CreateWindowExW(0, kTargetClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                              this);
}

Win32UrlTransfers::~Win32UrlTransfers() {
    if (thread_ != nullptr) StopAndWait();
    if (window_ != nullptr) DestroyWindow(window_);
    if (stop_ != nullptr) CloseHandle(stop_);
}

bool Win32UrlTransfers::IsValidUrl(const std::u16string& url) {
    return IsWellFormedUrl(url) && ::IsValidURL(nullptr, ToWide(url).c_str(), 0) == S_OK;
}

void Win32UrlTransfers::DeleteCacheEntry(const std::u16string& url) { DeleteUrlCacheEntryW(ToWide(url).c_str()); }

bool Win32UrlTransfers::Start(const std::u16string& url, const std::u16string& path, IDownloadEvents& events) {
    if (thread_ != nullptr) return false;
    ResetEvent(stop_);
    params_ = DownloadParams{window_, stop_, ToWide(url), ToWide(path)};
    thread_ = CreateThread(nullptr, 0, &DownloadThreadProc, &params_, CREATE_SUSPENDED, nullptr);
    if (thread_ == nullptr) return false;
    events_ = &events;
    ResumeThread(thread_);
    return true;
}

std::u16string Win32UrlTransfers::Finish() {
    if (thread_ == nullptr) return {};
    DWORD exitCode = 0;
    if (GetExitCodeThread(thread_, &exitCode) && exitCode == STILL_ACTIVE) WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
    thread_ = nullptr;
    events_ = nullptr;
    std::u16string result = FromWide(params_.sResult);
    params_.sResult.clear();
    return result;
}

void Win32UrlTransfers::StopAndWait() {
    // The worker may be waiting inside a send to this thread: keep answering sends, to no
    // one, until it has ended.
    events_ = nullptr;
    SetEvent(stop_);
    while (MsgWaitForMultipleObjects(1, &thread_, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    CloseHandle(thread_);
    thread_ = nullptr;
}

LRESULT CALLBACK Win32UrlTransfers::TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<Win32UrlTransfers*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (self != nullptr && (message == WM_DOWNLOAD_PROGRESS || message == WM_DOWNLOAD_END))
        return self->OnMessage(message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32UrlTransfers::OnMessage(UINT message, WPARAM, LPARAM lParam) {
    if (events_ == nullptr) return 0;
    if (message == WM_DOWNLOAD_PROGRESS)
        events_->OnDownloadProgress(reinterpret_cast<const DownloadProgress*>(lParam));
    else
        events_->OnEndDownload();
    return 0;
}

}  // namespace veltra
