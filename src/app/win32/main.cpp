#include <windows.h>

#include "app/win32/vt5_app.h"
#include "platform/win32/wide.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
    veltra::CVT5App app(veltra::FromWide(commandLine != nullptr ? commandLine : L""));
    app.InitInstance();
    return 0;
}
