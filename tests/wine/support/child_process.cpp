#include "support/child_process.h"

#include "support/source_tree.h"

namespace veltra::winetest {

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH * 4, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.rfind(L'\\') + 1);
}

namespace {

// A file the child writes one stream to, read once it has ended. Not a pipe: a process the
// child starts (Wine's system processes) may keep the inherited handle open long after.
class CapturedStream {
public:
    CapturedStream() {
        wchar_t folder[MAX_PATH] = L"", name[MAX_PATH] = L"";
        GetTempPathW(MAX_PATH, folder);
        GetTempFileNameW(folder, L"vt", 0, name);
        path_ = name;
        SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
        file_ = CreateFileW(name, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    }
    CapturedStream(const CapturedStream&) = delete;
    CapturedStream& operator=(const CapturedStream&) = delete;
    ~CapturedStream() {
        CloseHandle(file_);
        DeleteFileW(path_.c_str());
    }
    HANDLE Handle() const { return file_; }
    std::string Text() const { return ReadBytes(path_); }

private:
    std::wstring path_;
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

}  // namespace

ChildResult RunChild(const std::wstring& commandLine, DWORD timeoutMs) {
    CapturedStream out, err;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out.Handle();
    startup.hStdError = err.Handle();
    PROCESS_INFORMATION process{};
    std::wstring command = commandLine;
    ChildResult result;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        result.exitCode = GetLastError();
        return result;
    }
    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        result.timedOut = true;
        TerminateProcess(process.hProcess, 99);
        WaitForSingleObject(process.hProcess, 5000);
    }
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    result.output = out.Text();
    result.errors = err.Text();
    return result;
}

}  // namespace veltra::winetest
