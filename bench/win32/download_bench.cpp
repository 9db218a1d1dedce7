// Fetches one address with the download engine and prints what it cost:
//   veltra-download-bench.exe URL FILE
// prints "bytes=N seconds=S peak_working_set=B nWebStop=W" on one line.
#include <windows.h>
#include <psapi.h>

#include <cstdio>

#include "app/vt5_record.h"
#include "download/download_engine.h"
#include "download/win32/win32_url_transfers.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace veltra {
namespace {

// Needs nothing of a page but the end of the transfer.
class EndWatcher final : public IDownloadTarget {
public:
    void RedrawProgressBar(int) override {}
    void ShowProgressText(const std::u16string&) override {}
    void ReturnToListView() override { ended = true; }
    void OnNextItem() override { ended = true; }
    bool ended = false;
};

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

unsigned long long FileBytes(const wchar_t* path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data)) return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

int Run(const wchar_t* url, const wchar_t* file) {
    Win32UrlTransfers transfers;
    Win32MessageBox boxes;
    VT5Record vt5;
    vt5.nDownloadMode = kModeBatch;
    EndWatcher watcher;
    DownloadEngine engine(transfers, boxes, vt5, watcher);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    engine.URLDownload(FromWide(url), FromWide(file));
    MSG message;
    while (!watcher.ended && GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    QueryPerformanceCounter(&end);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    std::printf("bytes=%llu seconds=%.3f peak_working_set=%llu nWebStop=%d\n", FileBytes(file), Seconds(start, end),
                static_cast<unsigned long long>(memory.PeakWorkingSetSize), engine.nWebStop);
    return engine.nWebStop == kWebStopNone ? 0 : 1;
}

}  // namespace
}  // namespace veltra

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: veltra-download-bench.exe URL FILE\n");
        return 2;
    }
    return veltra::Run(argv[1], argv[2]);
}
