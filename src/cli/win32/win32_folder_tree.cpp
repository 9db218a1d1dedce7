#include "cli/win32/win32_folder_tree.h"

#include <windows.h>

#include "core/text.h"
#include "platform/win32/wide.h"

namespace veltra {
namespace {

void AddFiles(const std::wstring& folder, const std::string& prefix, std::vector<std::string>& files) {
    WIN32_FIND_DATAW entry;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L".." || (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) continue;
        const std::string path = prefix + Utf16ToUtf8(std::u16string(name.begin(), name.end()));
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            AddFiles(folder + L"\\" + name, path + "/", files);
        } else {
            files.push_back(path);
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

}  // namespace

bool Win32FolderTree::IsLink(const std::u16string& path) {
    const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

std::vector<std::string> Win32FolderTree::Files(const std::u16string& folder) {
    std::vector<std::string> files;
    AddFiles(ToWide(folder), "", files);
    return files;
}

}  // namespace veltra
