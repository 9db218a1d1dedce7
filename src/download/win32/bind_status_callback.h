#pragma once
#include <windows.h>
#include <urlmon.h>

namespace veltra {

class TransferMonitor;

// The bind-status callback of one transfer, on the worker thread's stack for one call of
// URLDownloadToFileW: progress goes to the window by a synchronous send, the stop event
// is tested after each notice. It also answers as IHttpNegotiate, the only place the
// service tells the HTTP status, which it otherwise hides behind a success.
class CBSCallbackImpl final : public IBindStatusCallback, public IHttpNegotiate {
public:
    CBSCallbackImpl(HWND window, HANDLE stop, TransferMonitor& monitor);
    CBSCallbackImpl(const CBSCallbackImpl&) = delete;
    CBSCallbackImpl& operator=(const CBSCallbackImpl&) = delete;
    virtual ~CBSCallbackImpl() = default;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    // Never frees the object: it is not on the heap.
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP OnStartBinding(DWORD, IBinding*) override { return S_OK; }
    STDMETHODIMP GetPriority(LONG*) override { return E_NOTIMPL; }
    STDMETHODIMP OnLowResource(DWORD) override { return S_OK; }
    STDMETHODIMP OnProgress(ULONG ulProgress, ULONG ulProgressMax, ULONG ulStatusCode, LPCWSTR szStatusText) override;
    STDMETHODIMP OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
    STDMETHODIMP GetBindInfo(DWORD*, BINDINFO*) override { return S_OK; }
    STDMETHODIMP OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return S_OK; }
    STDMETHODIMP OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

    STDMETHODIMP BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* additionalHeaders) override;
    // Records the status; the service ignores an abort here, so the verdict comes later.
    STDMETHODIMP OnResponse(DWORD responseCode, LPCWSTR, LPCWSTR, LPWSTR* additionalHeaders) override;

private:
    LONG count_ = 1;
    HWND window_;
    HANDLE stop_;
    TransferMonitor& monitor_;
};

}  // namespace veltra
