#pragma once
#include <windows.h>
#include <urlmon.h>

#include "platform/url_transfer.h"

namespace veltra {

class TransferMonitor;
struct DownloadParams;

// The bind-status callback of one transfer, on the worker thread's stack for one call of
// URLDownloadToFileW: progress goes to the window by a synchronous send, the stop event
// is tested after each notice, and so is the monitor's verdict on redirects and size. It
// also answers as IHttpNegotiate, the only place the service tells the HTTP status and
// headers, which it otherwise hides behind a success. Once its transfer is let go, it
// reports to no one.
class CBSCallbackImpl final : public IBindStatusCallback, public IHttpNegotiate {
public:
    CBSCallbackImpl(DownloadParams& params, TransferMonitor& monitor);
    CBSCallbackImpl(const CBSCallbackImpl&) = delete;
    CBSCallbackImpl& operator=(const CBSCallbackImpl&) = delete;
    virtual ~CBSCallbackImpl();

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    // Never frees the object: it is not on the heap.
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP OnStartBinding(DWORD, IBinding* binding) override;
    STDMETHODIMP GetPriority(LONG*) override { return E_NOTIMPL; }
    STDMETHODIMP OnLowResource(DWORD) override { return S_OK; }
    STDMETHODIMP OnProgress(ULONG ulProgress, ULONG ulProgressMax, ULONG ulStatusCode, LPCWSTR szStatusText) override;
    STDMETHODIMP OnStopBinding(HRESULT, LPCWSTR) override;
    // Asks the service not to follow redirects, so the worker checks each one first.
    STDMETHODIMP GetBindInfo(DWORD*, BINDINFO* bindInfo) override;
    STDMETHODIMP OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return S_OK; }
    STDMETHODIMP OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

    // Asks for the body as it is: the announced length of an encoded one says nothing of
    // the decoded bytes, so it could not be checked.
    STDMETHODIMP BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* additionalHeaders) override;
    // Records the status and headers; the service ignores an abort here, so the verdict comes later.
    STDMETHODIMP OnResponse(DWORD responseCode, LPCWSTR responseHeaders, LPCWSTR, LPWSTR* additionalHeaders) override;

private:
    void Report(const DownloadProgress* progress) const;
    // The Host header of the request the reply answers; empty when the binding cannot tell.
    std::u16string RequestHost() const;

    LONG count_ = 1;
    DownloadParams& params_;
    TransferMonitor& monitor_;
    IBinding* binding_ = nullptr;  // held from the start of the binding to its end
};

}  // namespace veltra
