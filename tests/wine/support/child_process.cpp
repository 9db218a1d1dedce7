#include "support/child_process.h"

#include <thread>
#include <vector>

namespace veltra::winetest {

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH * 4, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.rfind(L'\\') + 1);
}

namespace {

// A pipe the child writes and a thread drains. A process the child starts (Wine's system
// processes) may keep the write end open: the reader stops once the child has ended and the
// pipe is empty, not at the pipe's end.
class CapturedStream {
public:
    CapturedStream() {
        SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
        CreatePipe(&read_, &write_, &inherit, 0);
        SetHandleInformation(read_, HANDLE_FLAG_INHERIT, 0);
    }
    CapturedStream(const CapturedStream&) = delete;
    CapturedStream& operator=(const CapturedStream&) = delete;
    ~CapturedStream() {
        CloseWriteEnd();
        Join();
        CloseHandle(read_);
    }
    HANDLE WriteEnd() const { return write_; }
    // After the child has its copy: collect into `text` until the child has ended.
    void Drain(std::string& text, HANDLE child) {
        CloseWriteEnd();
        reader_ = std::thread([this, &text, child] {
            for (;;) {
                const bool ended = WaitForSingleObject(child, 0) == WAIT_OBJECT_0;
                DWORD available = 0;
                if (!PeekNamedPipe(read_, nullptr, 0, nullptr, &available, nullptr)) return;  // closed by all
                if (available == 0) {
                    if (ended) return;
                    Sleep(5);
                    continue;
                }
                std::string chunk(available, '\0');
                DWORD got = 0;
                if (!ReadFile(read_, chunk.data(), available, &got, nullptr)) return;
                text.append(chunk.data(), got);
            }
        });
    }
    void Join() {
        if (reader_.joinable()) reader_.join();
    }

private:
    void CloseWriteEnd() {
        if (write_ != nullptr) CloseHandle(write_);
        write_ = nullptr;
    }
    HANDLE read_ = nullptr;
    HANDLE write_ = nullptr;
    std::thread reader_;
};

}  // namespace

ChildResult RunChild(const std::wstring& commandLine, DWORD timeoutMs) {
    CapturedStream out, err;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out.WriteEnd();
    startup.hStdError = err.WriteEnd();
    startup.hStdInput = nullptr;
    PROCESS_INFORMATION process{};
    std::wstring command = commandLine;
    ChildResult result;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        result.exitCode = GetLastError();
        return result;
    }
    out.Drain(result.output, process.hProcess);
    err.Drain(result.errors, process.hProcess);
    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        result.timedOut = true;
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
    }
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    out.Join();
    err.Join();
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

}  // namespace veltra::winetest
