#include "download/win32/bind_status_callback.h"

#include <cstddef>

#include "download/transfer_monitor.h"
#include "download/win32/download_messages.h"
#include "download/win32/download_thread.h"

namespace veltra {

namespace {

constexpr wchar_t kPlainBody[] = L"Accept-Encoding: identity\r\n";

}  // namespace

CBSCallbackImpl::CBSCallbackImpl(DownloadParams& params, TransferMonitor& monitor) : params_(params), monitor_(monitor) {}

void CBSCallbackImpl::Report(const DownloadProgress* progress) const {
    if (params_.hWnd == nullptr || params_.abandoned) return;
    SendMessageW(params_.hWnd, WM_DOWNLOAD_PROGRESS, params_.serial, reinterpret_cast<LPARAM>(progress));
}

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
    Report(&progress);
    const bool stopped = params_.hStop != nullptr && WaitForSingleObject(params_.hStop, 0) == WAIT_OBJECT_0;
    if (!stopped && !monitor_.Refused()) return S_OK;
    Report(nullptr);
    return E_ABORT;
}

STDMETHODIMP CBSCallbackImpl::GetBindInfo(DWORD*, BINDINFO* bindInfo) {
    if (bindInfo != nullptr && bindInfo->cbSize >= offsetof(BINDINFO, dwOptions) + sizeof(bindInfo->dwOptions))
        bindInfo->dwOptions |= BINDINFO_OPTIONS_DISABLEAUTOREDIRECTS;
    return S_OK;
}

STDMETHODIMP CBSCallbackImpl::BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* additionalHeaders) {
    if (additionalHeaders == nullptr) return S_OK;
    *additionalHeaders = static_cast<LPWSTR>(CoTaskMemAlloc(sizeof(kPlainBody)));
    if (*additionalHeaders != nullptr) CopyMemory(*additionalHeaders, kPlainBody, sizeof(kPlainBody));
    return S_OK;
}

STDMETHODIMP CBSCallbackImpl::OnResponse(DWORD responseCode, LPCWSTR responseHeaders, LPCWSTR,
                                         LPWSTR* additionalHeaders) {
    if (additionalHeaders != nullptr) *additionalHeaders = nullptr;
    const auto* headers = reinterpret_cast<const char16_t*>(responseHeaders);
    monitor_.Response(responseCode, headers == nullptr ? u"" : headers);
    return S_OK;
}

}  // namespace veltra
