#include "download/win32/bind_status_callback.h"

#include <wininet.h>

#include <cstddef>

#include "download/transfer_monitor.h"
#include "download/win32/download_messages.h"
#include "download/win32/download_thread.h"

namespace veltra {

namespace {

constexpr wchar_t kPlainBody[] = L"Accept-Encoding: identity\r\n";

}  // namespace

CBSCallbackImpl::CBSCallbackImpl(DownloadParams& params, TransferMonitor& monitor) : params_(params), monitor_(monitor) {}

CBSCallbackImpl::~CBSCallbackImpl() { OnStopBinding(S_OK, nullptr); }

STDMETHODIMP CBSCallbackImpl::OnStartBinding(DWORD, IBinding* binding) {
    if (binding != nullptr) binding->AddRef();
    if (binding_ != nullptr) binding_->Release();
    binding_ = binding;
    return S_OK;
}

STDMETHODIMP CBSCallbackImpl::OnStopBinding(HRESULT, LPCWSTR) {
    if (binding_ != nullptr) binding_->Release();
    binding_ = nullptr;
    return S_OK;
}

std::u16string CBSCallbackImpl::RequestHost() const {
    IWinInetHttpInfo* info = nullptr;
    if (binding_ == nullptr || FAILED(binding_->QueryInterface(IID_IWinInetHttpInfo, reinterpret_cast<void**>(&info))))
        return {};
    // The binding answers as the ANSI query does.
    char host[256] = "";
    DWORD size = sizeof(host) - 1;
    const HRESULT result = info->QueryInfo(HTTP_QUERY_HOST | HTTP_QUERY_FLAG_REQUEST_HEADERS, host, &size, nullptr, nullptr);
    info->Release();
    std::u16string text;
    if (result != S_OK) return text;
    for (DWORD i = 0; i < size && host[i] != '\0'; ++i) text.push_back(static_cast<unsigned char>(host[i]));
    return text;
}

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
    monitor_.RequestHost(RequestHost());
    return S_OK;
}

}  // namespace veltra
