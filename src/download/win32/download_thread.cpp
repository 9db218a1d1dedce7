#include "download/win32/download_thread.h"

#include <urlmon.h>

#include "download/transfer_monitor.h"
#include "download/win32/bind_status_callback.h"
#include "download/win32/download_messages.h"
#include "platform/win32/wide.h"

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

}  // namespace

DWORD WINAPI DownloadThreadProc(LPVOID parameter) {
    DownloadParams& params = *static_cast<DownloadParams*>(parameter);
    const std::wstring target = params.sResult;
    const std::wstring temporary = ToWide(TemporaryDownloadPath(FromWide(target)));
    TransferMonitor monitor;
    CBSCallbackImpl callback(params.hWnd, params.hStop, monitor);
    const HRESULT hr = URLDownloadToFileW(nullptr, params.sURL.c_str(), temporary.c_str(), 0, &callback);
    TransferVerdict verdict = monitor.Finish(CallOf(hr), FileBytes(temporary));
    if (verdict.keepFile && !MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING))
        verdict = TransferVerdict{u"2", false};  // the target could not be replaced
    DeleteFileW(temporary.c_str());  // whatever a failed or stopped transfer left
    params.sResult = ToWide(verdict.sResult);
    PostMessageW(params.hWnd, WM_DOWNLOAD_END, 0, 0);
    return 0;
}

}  // namespace veltra
