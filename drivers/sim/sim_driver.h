/* Common parts of the two simulated kernel drivers: the machine profile loaded at start,
 * the request log, and the device skeleton that hands each control request to a driver. */
#ifndef VELTRA_SIM_DRIVER_H
#define VELTRA_SIM_DRIVER_H

#include <ntddk.h>

#include "sim_profile_format.h"

#define SIM_PATH_CHARS 520

typedef struct SimProfile {
    const UCHAR* data;
    ULONG size;
} SimProfile;

typedef struct SimEntry {
    ULONG kind;
    ULONG size;
    const UCHAR* payload;
} SimEntry;

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

/* Little-endian field access on unaligned bytes. */
ULONG SimGetU32(const UCHAR* bytes);
void SimPutU32(UCHAR* bytes, ULONG value);

/* Walks the entries of a validated profile; *cursor starts at 0. */
BOOLEAN SimNextEntry(const SimProfile* profile, ULONG* cursor, SimEntry* entry);
/* Checks the header and that every entry lies inside the file with a sound size. */
BOOLEAN SimProfileIsValid(const UCHAR* data, ULONG size);
/* The first entry of a kind, or FALSE. */
BOOLEAN SimFindEntry(const SimProfile* profile, ULONG kind, SimEntry* entry);
/* A switch for this driver and code (code ignored for SIM_SWITCH_FAIL_START); *bytes gets its count. */
BOOLEAN SimFindSwitch(const SimProfile* profile, ULONG driverId, ULONG switchKind, ULONG code, ULONG* bytes);

/* Kernel file access. `folder` is an NT path without a trailing backslash. */
NTSTATUS SimFolderOfService(PUNICODE_STRING registryPath, WCHAR* folder, ULONG folderChars);
NTSTATUS SimJoinPath(WCHAR* out, ULONG outChars, const WCHAR* folder, const WCHAR* name);
NTSTATUS SimReadWholeFile(const WCHAR* path, ULONG maxSize, UCHAR** data, ULONG* size);
void SimFreeFileData(UCHAR* data);
NTSTATUS SimCreateEmptyFile(const WCHAR* path);
NTSTATUS SimAppendFile(const WCHAR* path, const UCHAR* first, ULONG firstSize, const UCHAR* second, ULONG secondSize);

/* Handles currently open on the device. */
LONG SimOpenCount(void);

NTSTATUS SimDriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath, const SimDriverConfig* config);

#endif
