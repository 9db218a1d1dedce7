#include "transfer/win32/download_thread.h"

#include <urlmon.h>

#include <optional>

#include "core/debug_log.h"
#include "platform/win32/wide.h"
#include "transfer/expected_file.h"
#include "transfer/server_address.h"
#include "transfer/transfer_monitor.h"
#include "transfer/win32/bind_status_callback.h"
#include "transfer/win32/body_file.h"
#include "transfer/win32/download_messages.h"
#include "transfer/win32/folder_read.h"

namespace veltra {
namespace {

TransferVerdict NotSaved(const std::wstring& target, const std::u16string& why) {
    DebugLog(u"Transfer failed: " + FromWide(target) + u" " + why);
    return TransferVerdict{u"4", false};
}

TransferCall CallOf(HRESULT hr) {
    if (SUCCEEDED(hr)) return TransferCall::Succeeded;
    return hr == E_ABORT ? TransferCall::Aborted : TransferCall::Failed;
}

// Answers the binding's notices until it ends, aborting it as soon as the callback wants.
// A worker let go drops its temporary file at once: the service may hold the binding (and
// so this loop) long after, as a silent server does.
HRESULT PumpUntilEnd(CBSCallbackImpl& callback, DownloadParams& params, BodyFile& body) {
    while (!callback.Ended()) {
        callback.AbortIfWanted();
        if (callback.Ended()) break;
        if (MsgWaitForMultipleObjects(1, &params.hStop, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0) {
            callback.NoteStop();
            if (params.abandoned) {
                body.Discard();
                SetEvent(params.hBodyClosed);
            }
        }
        MSG message;
        while (!callback.Ended() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
            callback.AbortIfWanted();
        }
    }
    return callback.Result();
}

// One request: the binding's body is pulled into the body file as it arrives.
HRESULT Fetch(const std::wstring& url, CBSCallbackImpl& callback, DownloadParams& params, BodyFile& body) {
    IMoniker* moniker = nullptr;
    HRESULT hr = CreateURLMonikerEx(nullptr, url.c_str(), &moniker, URL_MK_UNIFORM);
    if (FAILED(hr)) return hr;
    IBindCtx* context = nullptr;
    hr = CreateAsyncBindCtx(0, &callback, nullptr, &context);
    if (SUCCEEDED(hr)) {
        callback.Begin();
        IStream* stream = nullptr;
        hr = moniker->BindToStorage(context, nullptr, IID_IStream, reinterpret_cast<void**>(&stream));
        if (stream != nullptr) stream->Release();
        if (SUCCEEDED(hr)) hr = PumpUntilEnd(callback, params, body);
        context->Release();
    }
    moniker->Release();
    return hr;
}

// A mirror folder's file is read by the worker itself; every other address goes to the service.
HRESULT FetchOrRead(const std::wstring& url, CBSCallbackImpl& callback, DownloadParams& params, TransferMonitor& monitor,
                    BodyFile& body) {
    const std::optional<std::u16string> path = FolderPathOf(FromWide(url));
    return path ? ReadFolderFile(ToWide(*path), params, monitor, body) : Fetch(url, callback, params, body);
}

void RunTransfer(DownloadParams& params) {
    TransferMonitor monitor(FromWide(params.sURL), params.rules);
    TransferVerdict verdict;
    {
        BodyFile body(params.sTarget, BodyByteLimit(params.rules), params.rules.expected.has_value());
        CBSCallbackImpl callback(params, monitor, body);
        // A redirect the service did not follow ends as its reply: checked here before it is fetched.
        std::wstring url = params.sURL;
        HRESULT hr = body.Failed() ? E_FAIL : FetchOrRead(url, callback, params, monitor, body);
        for (std::optional<std::u16string> next; SUCCEEDED(hr) && !params.abandoned && (next = monitor.NextAddress());) {
            url = ToWide(*next);
            body.Restart();
            hr = Fetch(url, callback, params, body);
        }
        if (body.Full()) monitor.BodyLimitReached();
        // The disk, not the server: the bytes were not all kept.
        const bool notWritten = body.Failed() && !params.abandoned;
        if (notWritten) hr = E_FAIL;
        verdict = monitor.Finish(CallOf(hr), body.Bytes());
        if (params.rules.expected)
            verdict = CheckExpectedFile(verdict, *params.rules.expected, body.Bytes(), [&body] { return body.Digest(); });
        if (notWritten && verdict.sResult != u"1") verdict = NotSaved(params.sTarget, u"could not be written");
        if (params.abandoned) verdict = TransferVerdict{u"2", false};  // its owner has reported it already
        if (verdict.keepFile && !IsPlainFileOrAbsent(params.sTarget)) {
            verdict = NotSaved(params.sTarget, u"is not a plain file to replace");
        } else if (verdict.keepFile && !body.Keep(params.sTarget)) {
            verdict = NotSaved(params.sTarget, u"could not be replaced");
        }
    }  // the temporary file is gone unless it was kept
    SetEvent(params.hBodyClosed);
    params.sResult = ToWide(verdict.sResult);
    if (!params.abandoned) PostMessageW(params.hWnd, WM_DOWNLOAD_END, params.serial, 0);
}

DWORD WINAPI DownloadThreadProc(LPVOID parameter) {
    const std::unique_ptr<std::shared_ptr<DownloadParams>> params(static_cast<std::shared_ptr<DownloadParams>*>(parameter));
    // The binding calls back through this thread's messages.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    RunTransfer(**params);
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}

}  // namespace

DownloadParams::DownloadParams(HWND window, std::wstring url, std::wstring target, TransferRules transferRules,
                               unsigned number)
    : hWnd(window),
      hStop(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      hBodyClosed(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      sURL(std::move(url)),
      sTarget(std::move(target)),
      rules(transferRules),
      serial(number) {}

DownloadParams::~DownloadParams() {
    if (hStop != nullptr) CloseHandle(hStop);
    if (hBodyClosed != nullptr) CloseHandle(hBodyClosed);
}

HANDLE StartDownloadThread(const std::shared_ptr<DownloadParams>& params) {
    auto* shared = new std::shared_ptr<DownloadParams>(params);
    HANDLE thread = CreateThread(nullptr, 0, &DownloadThreadProc, shared, CREATE_SUSPENDED, nullptr);
    if (thread == nullptr) {
        delete shared;
        return nullptr;
    }
    ResumeThread(thread);
    return thread;
}

}  // namespace veltra
