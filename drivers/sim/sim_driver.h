/* Common parts of the two simulated kernel drivers: the machine profile loaded at start,
 * the request log, and the device skeleton that hands each control request to a driver. */
#ifndef VELTRA_SIM_DRIVER_H
#define VELTRA_SIM_DRIVER_H

#include <ntddk.h>

#include "sim_profile.h"

#define SIM_PATH_CHARS 520

/* Handles one control request in place: `buffer` holds inputLength bytes of input and has
 * room for outputLength bytes of output; *written receives the bytes answered. */
typedef NTSTATUS (*SimRequestHandler)(ULONG code, UCHAR* buffer, ULONG inputLength, ULONG outputLength,
                                      ULONG* written);

typedef struct SimDriverConfig {
    ULONG driverId;           /* SimDriverId */
    const WCHAR* deviceName;  /* e.g. L"\\Device\\Porvik_1_0_4" */
    const WCHAR* linkName;    /* e.g. L"\\DosDevices\\Porvik_1_0_4" */
    const WCHAR* logName;     /* file name of the request log beside the profile */
    SimRequestHandler handler;
    NTSTATUS (*start)(const SimProfile* profile); /* builds the driver's own model */
    void (*stop)(void);
} SimDriverConfig;

/* Kernel file access. `folder` is an NT path without a trailing backslash. */
NTSTATUS SimFolderOfService(PUNICODE_STRING registryPath, WCHAR* folder, ULONG folderChars);
NTSTATUS SimJoinPath(WCHAR* out, ULONG outChars, const WCHAR* folder, const WCHAR* name);
NTSTATUS SimReadWholeFile(const WCHAR* path, ULONG maxSize, UCHAR** data, ULONG* size);
void SimFreeFileData(UCHAR* data);
/* The request log: emptied and kept open from start to unload (shared for deletion too). */
NTSTATUS SimCreateLog(const WCHAR* path, HANDLE* file);
NTSTATUS SimAppendLog(HANDLE file, const UCHAR* first, ULONG firstSize, const UCHAR* second, ULONG secondSize);

/* Handles currently open on the device. */
LONG SimOpenCount(void);

NTSTATUS SimDriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath, const SimDriverConfig* config);

#endif
