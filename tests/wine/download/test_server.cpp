#include "download/test_server.h"

#include <fstream>

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

}  // namespace veltra::winetest
