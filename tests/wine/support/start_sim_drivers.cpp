// start-sim-drivers FOLDER: installs and starts the simulated drivers in FOLDER from the
// system's side, for the x86 program on 64-bit Windows (see StartDriversFromTheSystemSide).
#include <cstdio>

#include "support/program_machine.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: start-sim-drivers FOLDER\n", stderr);
        return 2;
    }
    std::wstring folder = argv[1];
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    if (veltra::winetest::StartDriversFromTheSystemSide(folder)) return 0;
    std::fputs("start-sim-drivers: a driver service did not start\n", stderr);
    return 1;
}
