#pragma once
#include <windows.h>
#include <urlmon.h>

#include <cstdint>
#include <vector>

#include "platform/url_transfer.h"

namespace veltra {

class BodyFile;
class TransferMonitor;
struct DownloadParams;

// The bind-status callback of one transfer, on the worker thread's stack while the worker
// binds to an address: the binding runs asynchronously and hands the body over as a stream,
// which is read as it arrives into the body file (written and hashed block by block, with
// no copy through the URL cache). Progress goes to the window by a synchronous send; after
// each notice the worker may abort the binding for a stop or for the monitor's verdict on
// redirects and size. It also answers as IHttpNegotiate, the only place the service tells
// the HTTP status and headers, which it otherwise hides behind a success. Once its transfer
// is let go, it reports to no one.
class CBSCallbackImpl final : public IBindStatusCallback, public IHttpNegotiate {
public:
    CBSCallbackImpl(DownloadParams& params, TransferMonitor& monitor, BodyFile& body);
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
    STDMETHODIMP OnStopBinding(HRESULT result, LPCWSTR) override;
    // Asks for the body as a stream to pull, past the URL cache. The service follows
    // redirects itself; each is checked by its notice or by the host that answered.
    STDMETHODIMP GetBindInfo(DWORD* bindFlags, BINDINFO* bindInfo) override;
    // Reads what has arrived into the body file, until the stream has no more for now.
    STDMETHODIMP OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM* medium) override;
    STDMETHODIMP OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

    // Asks for the body as it is: the announced length of an encoded one says nothing of
    // the decoded bytes, so it could not be checked.
    STDMETHODIMP BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* additionalHeaders) override;
    // Records the status and headers; the service ignores an abort here, so the verdict comes later.
    STDMETHODIMP OnResponse(DWORD responseCode, LPCWSTR responseHeaders, LPCWSTR, LPWSTR* additionalHeaders) override;

    // A binding begins: no result yet.
    void Begin() { ended_ = false; }
    bool Ended() const { return ended_; }
    HRESULT Result() const { return result_; }
    // The stop event was seen; the binding is aborted at the next chance.
    void NoteStop() { stopped_ = true; }
    // Aborts the binding once when StopWanted.
    void AbortIfWanted();

private:
    // A stop was asked for, the transfer was let go, a rule was broken, or the body could
    // not be written or is full.
    bool StopWanted() const;
    void Report(const DownloadProgress* progress) const;
    // The Host header of the request the reply answers; empty when the binding cannot tell.
    std::u16string RequestHost() const;

    LONG count_ = 1;
    DownloadParams& params_;
    TransferMonitor& monitor_;
    BodyFile& body_;
    std::vector<std::uint8_t> block_;  // what one read of the body stream takes
    IBinding* binding_ = nullptr;  // held from the start of the binding to its end
    bool ended_ = false;
    HRESULT result_ = S_OK;
    bool stopped_ = false;
    bool aborted_ = false;
};

}  // namespace veltra
