/* A stand-in update program for the bundled demo server: it notes that it ran and ends.
   The note is "<program file name>.ran", written into the folder that the environment
   variable VELTRA_UPDATE_MARKER_DIR names, or beside the program. It holds the program's
   full path, so a test can tell which download was started. */
#include <windows.h>

static void MarkerPath(const wchar_t* program, wchar_t* marker, DWORD size) {
    wchar_t folder[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"VELTRA_UPDATE_MARKER_DIR", folder, MAX_PATH);
    const wchar_t* name = program;
    for (const wchar_t* p = program; *p; ++p) {
        if (*p == L'\\' || *p == L'/') name = p + 1;
    }
    if (length > 0 && length < MAX_PATH - 1) {
        wsprintfW(marker, L"%s\\%s.ran", folder, name);
    } else {
        wsprintfW(marker, L"%s.ran", program);
    }
    marker[size - 1] = 0;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show) {
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;
    wchar_t program[MAX_PATH];
    wchar_t marker[2 * MAX_PATH + 8];
    DWORD written = 0;
    if (GetModuleFileNameW(NULL, program, MAX_PATH) == 0) return 1;
    MarkerPath(program, marker, sizeof marker / sizeof marker[0]);
    HANDLE file = CreateFileW(marker, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE) return 2;
    WriteFile(file, program, (DWORD)(lstrlenW(program) * sizeof(wchar_t)), &written, NULL);
    CloseHandle(file);
    return 0;
}
