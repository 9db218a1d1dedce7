#include "transfer/win32/win32_url_transfers.h"

#include <urlmon.h>
#include <wininet.h>

#include "core/guarded_callback.h"
#include "transfer/server_address.h"
#include "platform/win32/wide.h"
#include "transfer/transfer_monitor.h"
#include "transfer/win32/download_messages.h"

namespace veltra {
namespace {

constexpr wchar_t kTargetClass[] = L"VeltraDownloadTarget";
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT kTickMilliseconds = 200;
constexpr DWORD kClosingGraceMilliseconds = 1000;
constexpr DWORD kLetGoGraceMilliseconds = 1000;

void RegisterTargetClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kTargetClass;
    RegisterClassExW(&windowClass);  // fails harmlessly when already registered
}

// Answers the worker's sends, to no one, until the handle (the worker's thread, or an event
// of its) is signalled or the time is up.
bool WaitAnsweringSends(HANDLE thread, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) return false;
        const DWORD waited =
            MsgWaitForMultipleObjects(1, &thread, FALSE, static_cast<DWORD>(deadline - now), QS_SENDMESSAGE);
        if (waited == WAIT_OBJECT_0) return true;
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace

Win32UrlTransfers::Win32UrlTransfers() {
    RegisterTargetClass(&Win32UrlTransfers::TargetProc);
    window_ = CreateWindowExW(0, kTargetClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                              this);
}

Win32UrlTransfers::~Win32UrlTransfers() {
    if (thread_ != nullptr) Abandon(true);
    // Workers let go stop at their next read; the rest of the grace is theirs to end in.
    // One the service never gives back ends with the process, and its file with its handle.
    const ULONGLONG deadline = GetTickCount64() + kClosingGraceMilliseconds;
    for (HANDLE thread : letGo_) {
        const ULONGLONG now = GetTickCount64();
        WaitAnsweringSends(thread, static_cast<DWORD>(now < deadline ? deadline - now : 0));
        CloseHandle(thread);
    }
    if (window_ != nullptr) DestroyWindow(window_);
}

bool Win32UrlTransfers::IsValidUrl(const std::u16string& url) {
    // A folder's file is read without the service, so only its own test applies.
    if (FolderPathOf(url)) return true;
    return IsWellFormedUrl(url) && ::IsValidURL(nullptr, ToWide(url).c_str(), 0) == S_OK;
}

void Win32UrlTransfers::DeleteCacheEntry(const std::u16string& url) { DeleteUrlCacheEntryW(ToWide(url).c_str()); }

bool Win32UrlTransfers::Start(const std::u16string& url, const std::u16string& path, const TransferRules& rules,
                              IDownloadEvents& events) {
    if (thread_ != nullptr) return false;
    ForgetEndedWorkers();
    auto params = std::make_shared<DownloadParams>(window_, ToWide(url), ToWide(path), rules, ++serial_);
    thread_ = StartDownloadThread(params);
    if (thread_ == nullptr) return false;
    params_ = std::move(params);
    events_ = &events;
    SetTimer(window_, kTickTimer, kTickMilliseconds, nullptr);
    return true;
}

void Win32UrlTransfers::RequestStop() { PostMessageW(window_, WM_DOWNLOAD_STOP, 0, 0); }

std::u16string Win32UrlTransfers::Finish() {
    if (thread_ == nullptr) return {};
    // The worker has posted its end: only its return is left.
    WaitForSingleObject(thread_, INFINITE);
    std::u16string result = FromWide(params_->sResult);
    Release();
    return result;
}

std::u16string Win32UrlTransfers::Abandon(bool stopRequested) {
    if (thread_ == nullptr) return {};
    params_->abandoned = true;
    SetEvent(params_->hStop);
    // Its temporary file goes before the owner hears the transfer has ended.
    WaitAnsweringSends(params_->hBodyClosed, kLetGoGraceMilliseconds);
    letGo_.push_back(thread_);
    thread_ = nullptr;
    Release();
    return stopRequested ? u"1" : u"2";
}

void Win32UrlTransfers::ForgetEndedWorkers() {
    std::erase_if(letGo_, [](HANDLE thread) {
        if (WaitForSingleObject(thread, 0) != WAIT_OBJECT_0) return false;
        CloseHandle(thread);
        return true;
    });
}

void Win32UrlTransfers::Release() {
    KillTimer(window_, kTickTimer);
    if (thread_ != nullptr) CloseHandle(thread_);
    thread_ = nullptr;
    params_.reset();
    events_ = nullptr;
}

LRESULT CALLBACK Win32UrlTransfers::TargetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto answer = [&]() -> LRESULT {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<Win32UrlTransfers*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        const bool ours = message == WM_DOWNLOAD_PROGRESS || message == WM_DOWNLOAD_END || message == WM_DOWNLOAD_STOP ||
                          (message == WM_TIMER && wParam == kTickTimer);
        if (self != nullptr && ours) return self->OnMessage(message, wParam, lParam);
        return DefWindowProcW(window, message, wParam, lParam);
    };
    return AnswerOrDefault("the transfers' window", answer,
                           [&]() -> LRESULT { return DefWindowProcW(window, message, wParam, lParam); });
}

LRESULT Win32UrlTransfers::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (events_ == nullptr || params_ == nullptr) return 0;
    if (message == WM_TIMER) {
        events_->OnTransferTick(GetTickCount64());
        return 0;
    }
    if (message == WM_DOWNLOAD_STOP) {
        params_->stopRequested = true;
        SetEvent(params_->hStop);
        events_->OnStopRequested();
        return 0;
    }
    if (wParam != params_->serial) return 0;  // a transfer that was let go
    if (message == WM_DOWNLOAD_PROGRESS)
        events_->OnDownloadProgress(reinterpret_cast<const DownloadProgress*>(lParam));
    else
        events_->OnEndDownload();
    return 0;
}

}  // namespace veltra
