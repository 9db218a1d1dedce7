#include "download/win32/bind_status_callback.h"

#include "download/transfer_monitor.h"
#include "download/win32/download_messages.h"

namespace veltra {

CBSCallbackImpl::CBSCallbackImpl(HWND window, HANDLE stop, TransferMonitor& monitor)
    : window_(window), stop_(stop), monitor_(monitor) {}

STDMETHODIMP CBSCallbackImpl::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IBindStatusCallback))
        *ppv = static_cast<IBindStatusCallback*>(this);
    else if (IsEqualIID(riid, IID_IHttpNegotiate))
        *ppv = static_cast<IHttpNegotiate*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CBSCallbackImpl::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&count_)); }

STDMETHODIMP_(ULONG) CBSCallbackImpl::Release() { return static_cast<ULONG>(InterlockedDecrement(&count_)); }

STDMETHODIMP CBSCallbackImpl::OnProgress(ULONG ulProgress, ULONG ulProgressMax, ULONG ulStatusCode,
                                         LPCWSTR szStatusText) {
    static_assert(sizeof(ULONG) == sizeof(std::uint32_t));
    const DownloadProgress progress = monitor_.Progress(ulProgress, ulProgressMax, ulStatusCode,
                                                        reinterpret_cast<const char16_t*>(szStatusText));
    if (window_ != nullptr) SendMessageW(window_, WM_DOWNLOAD_PROGRESS, 0, reinterpret_cast<LPARAM>(&progress));
    if (stop_ != nullptr && WaitForSingleObject(stop_, 0) == WAIT_OBJECT_0) {
        if (window_ != nullptr) SendMessageW(window_, WM_DOWNLOAD_PROGRESS, 0, 0);
        return E_ABORT;
    }
    return S_OK;
}

STDMETHODIMP CBSCallbackImpl::BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* additionalHeaders) {
    if (additionalHeaders != nullptr) *additionalHeaders = nullptr;
    return S_OK;
}

STDMETHODIMP CBSCallbackImpl::OnResponse(DWORD responseCode, LPCWSTR, LPCWSTR, LPWSTR* additionalHeaders) {
    if (additionalHeaders != nullptr) *additionalHeaders = nullptr;
    monitor_.HttpStatus(responseCode);
    return S_OK;
}

}  // namespace veltra
