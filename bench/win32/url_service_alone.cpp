// The system's URL service with no callback, the floor under the download engine:
//   veltra-url-service.exe URL FILE   exits 0 when the service reported success.
#include <windows.h>
#include <urlmon.h>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    return SUCCEEDED(URLDownloadToFileW(nullptr, argv[1], argv[2], 0, nullptr)) ? 0 : 1;
}
