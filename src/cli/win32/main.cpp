#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>

#include "cli/cli_app.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_wmi.h"

int wmain(int argc, wchar_t** argv) {
    // Output is UTF-8 bytes, unchanged by the C library's text mode.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(veltra::FromWide(argv[i]));
    veltra::Win32Platform platform;
    veltra::Win32Wmi wmi;
    const int exitCode = veltra::RunCli(arguments, platform.Get(), wmi, std::cout, std::cerr);
    std::cout.flush();
    return exitCode;
}
