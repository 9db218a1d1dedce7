#include "transfer/win32/folder_read.h"

#include <cstdint>
#include <span>
#include <vector>

#include "core/text.h"
#include "transfer/transfer_monitor.h"
#include "transfer/win32/body_file.h"
#include "transfer/win32/download_messages.h"
#include "transfer/win32/download_thread.h"
#include "platform/win32/wide.h"

namespace veltra {
namespace {

constexpr std::uint32_t kDownloadingData = 5;  // the service's BINDSTATUS_DOWNLOADINGDATA

HRESULT NotRead(TransferMonitor& monitor, const std::wstring& path, DWORD error) {
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    monitor.FileNotRead(FromWide(path) + (missing ? u" is not there" : u" cannot be read (error " + DecimalText(error) + u")"));
    return E_FAIL;
}

void Report(DownloadParams& params, TransferMonitor& monitor, std::uint64_t done, std::uint64_t size) {
    const DownloadProgress progress =
        monitor.Progress(static_cast<std::uint32_t>(done), static_cast<std::uint32_t>(size), kDownloadingData, nullptr);
    if (params.hWnd != nullptr && !params.abandoned)
        SendMessageW(params.hWnd, WM_DOWNLOAD_PROGRESS, params.serial, reinterpret_cast<LPARAM>(&progress));
}

HRESULT ReadOpened(HANDLE file, const std::wstring& path, DownloadParams& params, TransferMonitor& monitor, BodyFile& body) {
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file, &information)) return NotRead(monitor, path, GetLastError());
    const std::uint64_t size = (std::uint64_t{information.nFileSizeHigh} << 32) | information.nFileSizeLow;
    monitor.FileReply(size);
    std::vector<std::uint8_t> block(kTransferBlockBytes);
    for (std::uint64_t done = 0;;) {
        if (params.stopRequested || params.abandoned) return E_ABORT;
        DWORD read = 0;
        if (!ReadFile(file, block.data(), kTransferBlockBytes, &read, nullptr)) return NotRead(monitor, path, GetLastError());
        if (read == 0) return S_OK;
        if (!body.Write(std::span<const std::uint8_t>(block.data(), read))) return E_ABORT;
        Report(params, monitor, done += read, size);
        if (monitor.Refused()) return E_ABORT;
    }
}

}  // namespace

HRESULT ReadFolderFile(const std::wstring& path, DownloadParams& params, TransferMonitor& monitor, BodyFile& body) {
    // Others may read it, and a mirror refresh may rename a new file over it, but nobody
    // writes into the bytes being read.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return NotRead(monitor, path, GetLastError());
    const HRESULT result = ReadOpened(file, path, params, monitor, body);
    CloseHandle(file);
    return result;
}

}  // namespace veltra
