#include "transfer/win32/bind_status_callback.h"

#include <wininet.h>

#include <cstddef>
#include <cstdint>
#include <span>

#include "transfer/transfer_monitor.h"
#include "transfer/win32/body_file.h"
#include "transfer/win32/download_messages.h"
#include "transfer/win32/download_thread.h"

namespace veltra {

namespace {

constexpr wchar_t kPlainBody[] = L"Accept-Encoding: identity\r\n";
constexpr DWORD kStreamedBody = BINDF_ASYNCHRONOUS | BINDF_ASYNCSTORAGE | BINDF_PULLDATA | BINDF_NOWRITECACHE |
                                BINDF_GETNEWESTVERSION;

}  // namespace

CBSCallbackImpl::CBSCallbackImpl(DownloadParams& params, TransferMonitor& monitor, BodyFile& body)
    : params_(params), monitor_(monitor), body_(body) {}

CBSCallbackImpl::~CBSCallbackImpl() {
    if (binding_ != nullptr) binding_->Release();
}

STDMETHODIMP CBSCallbackImpl::OnStartBinding(DWORD, IBinding* binding) {
    if (binding != nullptr) binding->AddRef();
    if (binding_ != nullptr) binding_->Release();
    binding_ = binding;
    return S_OK;
}

STDMETHODIMP CBSCallbackImpl::OnStopBinding(HRESULT result, LPCWSTR) {
    if (binding_ != nullptr) binding_->Release();
    binding_ = nullptr;
    result_ = result;
    ended_ = true;
    return S_OK;
}

bool CBSCallbackImpl::StopWanted() const {
    return stopped_ || params_.stopRequested || params_.abandoned || monitor_.Refused() || body_.Failed() || body_.Full();
}

void CBSCallbackImpl::AbortIfWanted() {
    if (aborted_ || binding_ == nullptr) return;
    if (!stopped_ && params_.hStop != nullptr && WaitForSingleObject(params_.hStop, 0) == WAIT_OBJECT_0) stopped_ = true;
    if (!StopWanted()) return;
    aborted_ = true;
    Report(nullptr);
    binding_->Abort();
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
    return S_OK;
}

STDMETHODIMP CBSCallbackImpl::OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM* medium) {
    if (medium == nullptr || medium->tymed != TYMED_ISTREAM || medium->pstm == nullptr) return S_OK;
    block_.resize(kTransferBlockBytes);
    // A fast server never leaves the stream empty: a stop, a worker let go or a full body
    // must end the loop between two reads. Flags only: a read costs no system call more.
    for (ULONG read = 0; !StopWanted(); read = 0) {
        const HRESULT result = medium->pstm->Read(block_.data(), kTransferBlockBytes, &read);
        if (read > 0 && !body_.Write(std::span<const std::uint8_t>(block_.data(), read))) break;
        // E_PENDING: more arrives later; S_FALSE: the body has ended.
        if (result != S_OK || read == 0) break;
    }
    return S_OK;
}

STDMETHODIMP CBSCallbackImpl::GetBindInfo(DWORD* bindFlags, BINDINFO*) {
    if (bindFlags != nullptr) *bindFlags = kStreamedBody;
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
