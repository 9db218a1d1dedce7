#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>

#include "cli/cli_app.h"
#include "cli/cli_commands.h"
#include "cli/cli_options.h"
#include "cli/update_services.h"
#include "cli/win32/win32_folder_tree.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_crypto.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_update_host.h"
#include "platform/win32/win32_wmi.h"
#include "transfer/win32/win32_url_transfers.h"
#include "trust/pinned_key.h"

namespace {

veltra::Win32UrlTransfers* g_transfers = nullptr;

// Ctrl+C and Ctrl+Break signal the stop event of the running transfer (a "user break");
// the command then ends as it would after any other failed transfer.
BOOL WINAPI OnConsoleBreak(DWORD type) {
    if (type != CTRL_C_EVENT && type != CTRL_BREAK_EVENT) return FALSE;
    if (g_transfers != nullptr) g_transfers->RequestStop();
    return TRUE;
}

// A console redraws a progress line in place; a pipe or a file would keep every redraw.
bool StandardErrorIsConsole() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
}

// Only the update commands get the transfers, whose hidden window starts the display side
// of the process: identify and the other commands stay off the display.
int RunWithUpdateServices(const std::vector<std::u16string>& arguments, veltra::Platform& platform,
                          veltra::IWmi& wmi) {
    // The transfers report to a hidden window of this thread, served by the pump's loop.
    veltra::Win32UrlTransfers transfers;
    veltra::Win32ProgramStarter starter;
    veltra::Win32MessagePump pump;
    veltra::Win32Crypto crypto;
    veltra::Win32FolderTree mirrorFolder;
    veltra::UpdateServices services{transfers, starter, pump, &crypto, veltra::PinnedPublicKey(), &mirrorFolder,
                                    StandardErrorIsConsole()};
    g_transfers = &transfers;
    SetConsoleCtrlHandler(OnConsoleBreak, TRUE);
    const int exitCode = veltra::RunCli(arguments, platform, wmi, std::cout, std::cerr, &services);
    SetConsoleCtrlHandler(OnConsoleBreak, FALSE);
    g_transfers = nullptr;
    return exitCode;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Output is UTF-8 bytes, unchanged by the C library's text mode.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::u16string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(veltra::FromWide(argv[i]));
    veltra::Win32Platform platform;
    veltra::Win32Wmi wmi;
    const veltra::CliParseResult parsed = veltra::ParseCliArguments(arguments);
    const veltra::CliCommand* command = parsed.options ? veltra::FindCliCommand(parsed.options->command) : nullptr;
    const int exitCode = command != nullptr && command->fetches
                             ? RunWithUpdateServices(arguments, platform.Get(), wmi)
                             : veltra::RunCli(arguments, platform.Get(), wmi, std::cout, std::cerr);
    std::cout.flush();
    return exitCode;
}
