#pragma once
#include <windows.h>

#include <fstream>
#include <string>

namespace veltra::winetest {

// The addresses of the test server that ctest started, from the file VELTRA_TEST_SERVER_FILE names.
struct TestServer {
    std::wstring base;     // "http://127.0.0.1:PORT", empty when no server is known
    std::wstring refused;  // an address on a port where nobody listens
    std::wstring hostile;  // the server of broken replies (hostile_server.py)
    std::wstring attacks;  // the attacked copies of the signed tree, empty when there are none
};

inline TestServer FindTestServer() {
    wchar_t path[MAX_PATH * 4] = {};
    GetEnvironmentVariableW(L"VELTRA_TEST_SERVER_FILE", path, MAX_PATH * 4);
    TestServer server;
    std::wifstream file(path);
    std::getline(file, server.base);
    std::getline(file, server.refused);
    std::getline(file, server.hostile);
    std::getline(file, server.attacks);
    return server;
}

}  // namespace veltra::winetest
