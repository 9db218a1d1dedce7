#include "download/win32/download_thread.h"

#include <urlmon.h>
#include <wininet.h>

#include <optional>

#include "download/expected_file.h"
#include "download/transfer_monitor.h"
#include "download/win32/bind_status_callback.h"
#include "download/win32/download_messages.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_crypto.h"
#include "platform/win32/win32_platform.h"
#include "trust/file_digest.h"

namespace veltra {
namespace {

TransferCall CallOf(HRESULT hr) {
    if (SUCCEEDED(hr)) return TransferCall::Succeeded;
    return hr == E_ABORT ? TransferCall::Aborted : TransferCall::Failed;
}

std::uint64_t FileBytes(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

void RunTransfer(DownloadParams& params) {
    const std::wstring temporary = ToWide(TemporaryDownloadPath(FromWide(params.sTarget), params.serial));
    TransferMonitor monitor(FromWide(params.sURL), params.rules);
    CBSCallbackImpl callback(params, monitor);
    // The service is told not to follow redirects: each is checked here before it is fetched.
    std::wstring url = params.sURL;
    HRESULT hr = URLDownloadToFileW(nullptr, url.c_str(), temporary.c_str(), 0, &callback);
    for (std::optional<std::u16string> next; SUCCEEDED(hr) && !params.abandoned && (next = monitor.NextAddress());) {
        DeleteUrlCacheEntryW(url.c_str());
        url = ToWide(*next);
        hr = URLDownloadToFileW(nullptr, url.c_str(), temporary.c_str(), 0, &callback);
    }
    TransferVerdict verdict = monitor.Finish(CallOf(hr), FileBytes(temporary));
    if (params.rules.expected) {
        // One streaming pass over the file the transfer wrote, only when its size fits.
        verdict = CheckExpectedFile(verdict, *params.rules.expected, FileBytes(temporary), [&temporary] {
            Win32FileSystem files;
            Win32Crypto crypto;
            const std::optional<FileDigest> digest = DigestFile(files, crypto, FromWide(temporary));
            return digest ? std::optional<Sha256Digest>(digest->sha256) : std::nullopt;
        });
    }
    if (params.abandoned) verdict = TransferVerdict{u"2", false};  // its owner has reported it already
    if (verdict.keepFile && !MoveFileExW(temporary.c_str(), params.sTarget.c_str(), MOVEFILE_REPLACE_EXISTING))
        verdict = TransferVerdict{u"2", false};  // the target could not be replaced
    DeleteFileW(temporary.c_str());  // whatever a failed or stopped transfer left
    // The bytes stay in the URL cache otherwise, whatever the outcome.
    DeleteUrlCacheEntryW(url.c_str());
    params.sResult = ToWide(verdict.sResult);
    if (!params.abandoned) PostMessageW(params.hWnd, WM_DOWNLOAD_END, params.serial, 0);
}

DWORD WINAPI DownloadThreadProc(LPVOID parameter) {
    const std::unique_ptr<std::shared_ptr<DownloadParams>> params(static_cast<std::shared_ptr<DownloadParams>*>(parameter));
    RunTransfer(**params);
    return 0;
}

}  // namespace

DownloadParams::DownloadParams(HWND window, std::wstring url, std::wstring target, TransferRules transferRules,
                               unsigned number)
    : hWnd(window),
      hStop(CreateEventW(nullptr, FALSE, FALSE, nullptr)),
      sURL(std::move(url)),
      sTarget(std::move(target)),
      rules(transferRules),
      serial(number) {}

DownloadParams::~DownloadParams() {
    if (hStop != nullptr) CloseHandle(hStop);
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
