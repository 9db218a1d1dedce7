#pragma once
#include <windows.h>

namespace veltra {

// Posted by the worker once per transfer when it has ended.
constexpr UINT WM_DOWNLOAD_END = WM_USER + 1;
// Sent by the bind-status callback; lParam is a DownloadProgress*, or 0 when stopping.
constexpr UINT WM_DOWNLOAD_PROGRESS = WM_USER + 2;
// Posted by a stop request, from whatever thread it comes, to the transfers' own window.
constexpr UINT WM_DOWNLOAD_STOP = WM_USER + 3;

}  // namespace veltra
