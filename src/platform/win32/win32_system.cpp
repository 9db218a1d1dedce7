#include <windows.h>

#include <cstdio>
#include <cstdint>

#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace veltra {

OsVersion Win32SystemVersion::GetVersion() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&info)) return {};
#pragma GCC diagnostic pop
    return {info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber, info.dwPlatformId};
}

ProcessorArchitecture Win32SystemVersion::NativeArchitecture() {
    // Looked up at run time: systems before XP lack it, and then the native word size is 32 bits.
    using GetNativeSystemInfoFunction = void(WINAPI*)(LPSYSTEM_INFO);
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"kernel32"), "GetNativeSystemInfo");
    if (found == nullptr) return ProcessorArchitecture::Other;
    const auto getNativeSystemInfo =
        reinterpret_cast<GetNativeSystemInfoFunction>(reinterpret_cast<void (*)()>(found));
    SYSTEM_INFO info{};
    getNativeSystemInfo(&info);
    switch (info.wProcessorArchitecture) {
        case PROCESSOR_ARCHITECTURE_INTEL: return ProcessorArchitecture::X86;
        case PROCESSOR_ARCHITECTURE_AMD64: return ProcessorArchitecture::Amd64;
        default: return ProcessorArchitecture::Other;
    }
}

namespace {

DateTime FromSystemTime(const SYSTEMTIME& time) {
    return {time.wYear, time.wMonth, time.wDayOfWeek, time.wDay, time.wHour, time.wMinute, time.wSecond, time.wMilliseconds};
}

// 100-nanosecond intervals between 1601-01-01 and 1970-01-01.
constexpr std::int64_t kUnixEpochInFileTime = 116'444'736'000'000'000;

}  // namespace

DateTime Win32Clock::LocalNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return FromSystemTime(now);
}

std::int64_t Win32Clock::ToSeconds(const DateTime& local) {
    const SYSTEMTIME wall{local.year, local.month, local.dayOfWeek, local.day, local.hour, local.minute, local.second, 0};
    SYSTEMTIME utc{};
    FILETIME file{};
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &wall, &utc) || !SystemTimeToFileTime(&utc, &file)) return 0;
    const auto ticks = static_cast<std::int64_t>((static_cast<std::uint64_t>(file.dwHighDateTime) << 32) | file.dwLowDateTime);
    return (ticks - kUnixEpochInFileTime) / 10'000'000;
}

DateTime Win32Clock::ToLocal(std::int64_t seconds) {
    const auto ticks = static_cast<std::uint64_t>(seconds * 10'000'000 + kUnixEpochInFileTime);
    const FILETIME file{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME utc{};
    SYSTEMTIME local{};
    if (!FileTimeToSystemTime(&file, &utc) || !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) return {};
    return FromSystemTime(local);
}

void Win32Clock::SleepMilliseconds(unsigned milliseconds) { Sleep(milliseconds); }

std::string Win32CodePage::ToAnsi(std::u16string_view text) {
    if (text.empty()) return {};
    const std::wstring wide = ToWide(text);
    const int length = static_cast<int>(wide.size());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), length, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::u16string Win32CodePage::FromAnsi(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, out.data(), units);
    return FromWide(out);
}

std::u16string Win32ProcessInfo::ExecutablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) return FromWide(std::wstring_view(buffer.data(), length));
        buffer.resize(buffer.size() * 2);  // truncated: try again with room for the whole path
    }
}

bool Win32ProcessLauncher::Start(const std::u16string& commandLine) {
    std::wstring command = ToWide(commandLine);  // CreateProcessW may write into it
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void Win32ProcessExit::Exit(unsigned exitCode) {
    // Output written so far (the console front end's report, say) must not be lost.
    std::fflush(nullptr);
    ExitProcess(exitCode);
}

void Win32MessageBox::Show(const std::u16string& text, const std::u16string& title) {
    MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(title).c_str(), MB_OK);
}

void Win32MessageBox::ShowStop(const std::u16string& text, const std::u16string& title) {
    MessageBoxW(nullptr, ToWide(text).c_str(), ToWide(title).c_str(), MB_OK | MB_ICONSTOP);
}

}  // namespace veltra
