#pragma once
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "platform/url_transfer.h"

namespace veltra {

// The bytes a transfer reads at a time, from the service or from a folder.
inline constexpr DWORD kTransferBlockBytes = 1u << 18;

// One transfer, shared by its owner and its worker: the owner may let go of a worker the
// service does not give back, and the block then lives on with the worker alone.
struct DownloadParams {
    DownloadParams(HWND window, std::wstring url, std::wstring target, TransferRules transferRules, unsigned number);
    DownloadParams(const DownloadParams&) = delete;
    DownloadParams& operator=(const DownloadParams&) = delete;
    ~DownloadParams();

    HWND hWnd;
    HANDLE hStop;  // auto-reset, not signalled; this transfer's own
    // Manual-reset, set by the worker once its temporary file is closed (and so gone, unless
    // kept): the owner that lets the worker go waits for it a moment.
    HANDLE hBodyClosed;
    std::wstring sURL;
    std::wstring sTarget;
    TransferRules rules;
    unsigned serial;  // travels as wParam, so a message of an earlier transfer is known
    std::atomic<bool> abandoned{false};
    // Set with the stop event, so the worker's read loop sees a stop without a system call.
    std::atomic<bool> stopRequested{false};
    // Empty for success, "1" stopped, "2" failed; written by the worker before it posts the end.
    std::wstring sResult;
};

// Starts the worker, which streams sURL into a temporary file beside the target (past the
// URL cache, hashing it on the way when a signed list gives its hash), lets only a good
// transfer replace the target, writes sResult and, unless it was let go, posts the end
// message. Null when it cannot start.
HANDLE StartDownloadThread(const std::shared_ptr<DownloadParams>& params);

}  // namespace veltra
