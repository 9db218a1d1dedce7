/* Reading the compiled machine profile (sim_profile_format.h) in the simulated drivers. */
#ifndef VELTRA_SIM_PROFILE_H
#define VELTRA_SIM_PROFILE_H

#include "sim_profile_format.h"
#include "sim_types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct SimProfile {
    const UCHAR* data;
    ULONG size;
} SimProfile;

typedef struct SimEntry {
    ULONG kind;
    ULONG size;
    const UCHAR* payload;
} SimEntry;

/* Little-endian field access on unaligned bytes. */
ULONG SimGetU32(const UCHAR* bytes);
void SimPutU32(UCHAR* bytes, ULONG value);

/* Checks the header and that every entry lies inside the file with a sound size. */
BOOLEAN SimProfileIsValid(const UCHAR* data, ULONG size);
/* Walks the entries of a validated profile; *cursor starts at 0. */
BOOLEAN SimNextEntry(const SimProfile* profile, ULONG* cursor, SimEntry* entry);
/* The first entry of a kind, or FALSE. */
BOOLEAN SimFindEntry(const SimProfile* profile, ULONG kind, SimEntry* entry);
/* A switch for this driver and code (code ignored for SIM_SWITCH_FAIL_START); *bytes gets its count. */
BOOLEAN SimFindSwitch(const SimProfile* profile, ULONG driverId, ULONG switchKind, ULONG code, ULONG* bytes);

#ifdef __cplusplus
}
#endif

#endif
