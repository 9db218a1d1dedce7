#include <windows.h>

#include "platform/win32/win32_update_host.h"

#include <memory>
#include <vector>

#include "platform/win32/wide.h"
#include "platform/win32/win32_crypto.h"
#include "platform/win32/win32_folder_access.h"

namespace veltra {
namespace {

constexpr unsigned kStarted = 33;
constexpr unsigned kOtherFailure = 1;

unsigned WinExecCode(DWORD error) {
    switch (error) {
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY: return 0;
        case ERROR_FILE_NOT_FOUND: return ERROR_FILE_NOT_FOUND;
        case ERROR_PATH_NOT_FOUND: return ERROR_PATH_NOT_FOUND;
        case ERROR_BAD_FORMAT:
        case ERROR_BAD_EXE_FORMAT: return ERROR_BAD_FORMAT;
        default: return kOtherFailure;
    }
}

// The file's size, then its SHA-256, read through the held handle.
bool IsExpectedFile(HANDLE file, const ExpectedFile& expected) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || static_cast<std::uint64_t>(size.QuadPart) != expected.size) return false;
    Win32Crypto crypto;
    const std::unique_ptr<ISha256> hash = crypto.NewSha256();
    std::vector<std::uint8_t> block(1u << 20);
    for (DWORD read = 0;;) {
        if (!ReadFile(file, block.data(), static_cast<DWORD>(block.size()), &read, nullptr)) return false;
        if (read == 0) break;
        hash->Add(std::span<const std::uint8_t>(block.data(), read));
    }
    return hash->Finish() == expected.sha256;
}

// The file named, not the first word the system would search for on the command line.
unsigned CreateProgramProcess(const std::u16string& program, const std::u16string& commandLine) {
    std::wstring line = ToWide(commandLine);  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(ToWide(program).c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return WinExecCode(GetLastError());
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return kStarted;
}

}  // namespace

unsigned Win32ProgramStarter::Start(const std::u16string& program, const std::u16string& commandLine,
                                    const std::optional<ExpectedFile>& expected) {
    const std::wstring path = ToWide(program);
    if (OthersCanWriteFolder(path.substr(0, path.find_last_of(L"\\/") + 1))) return kStartFolderOpen;
    // Read sharing only: nobody may write, rename or delete the file while it is held.
    HANDLE held = INVALID_HANDLE_VALUE;
    if (expected) {
        held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (held == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            return error == ERROR_SHARING_VIOLATION ? kStartNotAsChecked : WinExecCode(error);
        }
        if (!IsExpectedFile(held, *expected)) {
            CloseHandle(held);
            return kStartNotAsChecked;
        }
    }
    const unsigned result = CreateProgramProcess(program, commandLine);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    return result;
}

void Win32MessagePump::PumpUntil(const std::function<bool()>& done) {
    while (!done()) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
            if (done()) return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT);
    }
}

}  // namespace veltra
