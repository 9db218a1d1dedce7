#pragma once
#include <windows.h>

#include <string>

namespace veltra::winetest {

// The addresses of the test server that ctest started: VELTRA_TEST_SERVER when set (a
// server started by hand), otherwise the file VELTRA_TEST_SERVER_FILE names.
struct TestServer {
    std::wstring base;     // "http://127.0.0.1:PORT", empty when no server is known
    std::wstring refused;  // an address on a port where nobody listens
    std::wstring hostile;  // the server of broken replies (hostile_server.py)
    std::wstring attacks;  // the attacked copies of the signed tree, empty when there are none
};
TestServer FindTestServer();

}  // namespace veltra::winetest
