#pragma once
#include <windows.h>

#include <string>

namespace veltra {

// Handed to the worker by address; a member of its owner, so it outlives the worker.
struct DownloadParams {
    HWND hWnd = nullptr;
    HANDLE hStop = nullptr;
    std::wstring sURL;
    // On entry the local file; on exit empty for success, "1" stopped, "2" failed.
    std::wstring sResult;
};

// The worker: fetches sURL into a temporary file beside the target, lets only a good
// transfer replace the target, writes sResult and posts the end message. Exit code 0.
DWORD WINAPI DownloadThreadProc(LPVOID parameter);

}  // namespace veltra
