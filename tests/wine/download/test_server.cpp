#include "download/test_server.h"

#include <fstream>

#include "support/child_process.h"
#include "support/source_tree.h"

namespace veltra::winetest {
namespace {

std::wstring Environment(const wchar_t* name) {
    wchar_t value[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, value, 1024);
    return length > 0 && length < 1024 ? std::wstring(value, length) : std::wstring();
}

}  // namespace

TestServer FindTestServer() {
    TestServer server{Environment(L"VELTRA_TEST_SERVER"), L"http://127.0.0.1:9/", L"", L""};
    if (!server.base.empty()) return server;
    std::wifstream file(Environment(L"VELTRA_TEST_SERVER_FILE").c_str());
    std::getline(file, server.base);
    std::getline(file, server.refused);
    std::getline(file, server.hostile);
    std::getline(file, server.attacks);
    return server;
}

ScratchFolder::ScratchFolder(const std::wstring& name) : folder_(ProgramFolder() + name + L"\\") {
    RemoveTree(folder_);
    CreateDirectoryW(folder_.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() { RemoveTree(folder_); }

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
