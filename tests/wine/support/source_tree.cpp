#include "support/source_tree.h"

#include <windows.h>

#include <fstream>
#include <iterator>

#include "support/child_process.h"

namespace veltra::winetest {

std::wstring HostPath(const std::string& absolute) {
    std::wstring path = L"Z:";
    for (char c : absolute) path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(c));
    return path;
}

std::wstring SourcePath(const std::string& relative) { return HostPath(std::string(VELTRA_SOURCE_DIR) + "/" + relative); }

std::string ReadBytes(const std::wstring& path) {
    std::ifstream input(path.c_str(), std::ios::binary);
    return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream(path.c_str(), std::ios::binary) << bytes;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void RemoveTree(const std::wstring& folder) {
    const std::wstring base = folder.ends_with(L'\\') ? folder : folder + L'\\';
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((base + L"*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            RemoveTree(base + name);
        } else {
            DeleteFileW((base + name).c_str());
        }
    }
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
    RemoveDirectoryW(base.c_str());
}

void CopyTree(const std::wstring& from, const std::wstring& to) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((from + L"\\*").c_str(), &found);
    for (BOOL more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileW(search, &found)) {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE);
            continue;
        }
        CreateDirectoryW((to + L"\\" + name).c_str(), nullptr);
        CopyTree(from + L"\\" + name, to + L"\\" + name);
    }
    if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

std::wstring UniqueTempPath(const std::wstring& prefix) {
    wchar_t temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    return temp + prefix + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(GetTickCount64());
}

ScratchFolder::ScratchFolder(const std::wstring& path) : folder_(path.ends_with(L'\\') ? path : path + L'\\') {
    RemoveTree(folder_);
    CreateDirectoryW(folder_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    // A driver image may stay mapped for a moment after its service stopped.
    PumpUntil(
        [this] {
            RemoveTree(folder_);
            return !FileExists(folder_);
        },
        2000);
}

std::vector<std::wstring> ScratchFolder::Files() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder_ + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

}  // namespace veltra::winetest
