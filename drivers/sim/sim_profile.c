/* Reading the compiled machine profile. Every offset is checked against the file size
 * once, in SimProfileIsValid, so the walkers below can trust the entry headers. */
#include "sim_profile.h"

ULONG SimGetU32(const UCHAR* bytes) {
    return (ULONG)bytes[0] | ((ULONG)bytes[1] << 8) | ((ULONG)bytes[2] << 16) | ((ULONG)bytes[3] << 24);
}

void SimPutU32(UCHAR* bytes, ULONG value) {
    bytes[0] = (UCHAR)value;
    bytes[1] = (UCHAR)(value >> 8);
    bytes[2] = (UCHAR)(value >> 16);
    bytes[3] = (UCHAR)(value >> 24);
}

static ULONG FixedPayloadSize(ULONG kind) {
    switch (kind) {
    case SIM_ENTRY_PCI: return SIM_PCI_PAYLOAD;
    case SIM_ENTRY_PORT: return SIM_PORT_PAYLOAD;
    case SIM_ENTRY_SMBUS_HOST: return SIM_SMBUS_HOST_PAYLOAD;
    case SIM_ENTRY_SMBUS_DEVICE: return SIM_SMBUS_DEVICE_PAYLOAD;
    case SIM_ENTRY_BIOS_INFO: return SIM_BIOS_INFO_SIZE;
    case SIM_ENTRY_SWITCH: return SIM_SWITCH_PAYLOAD;
    case SIM_ENTRY_UNSERVED: return SIM_UNSERVED_PAYLOAD;
    default: return 0;
    }
}

static BOOLEAN EntrySizeIsSound(ULONG kind, ULONG size) {
    switch (kind) {
    case SIM_ENTRY_MEMORY: return size > 4 && size - 4 <= SIM_REGION_MAX_SIZE;
    case SIM_ENTRY_BIOS_IDENT: return size <= SIM_BIOS_IDENT_SIZE;
    default: return FixedPayloadSize(kind) != 0 && size == FixedPayloadSize(kind);
    }
}

BOOLEAN SimProfileIsValid(const UCHAR* data, ULONG size) {
    ULONG count, offset = SIM_PROFILE_HEADER_SIZE, index;
    if (size < SIM_PROFILE_HEADER_SIZE) return FALSE;
    for (index = 0; index < SIM_PROFILE_MAGIC_SIZE; ++index)
        if (data[index] != (UCHAR)SIM_PROFILE_MAGIC[index]) return FALSE;
    count = SimGetU32(data + SIM_PROFILE_MAGIC_SIZE);
    if (count > SIM_PROFILE_MAX_ENTRIES) return FALSE;
    for (index = 0; index < count; ++index) {
        ULONG kind, payload;
        if (size - offset < SIM_ENTRY_HEADER_SIZE) return FALSE;
        kind = SimGetU32(data + offset);
        payload = SimGetU32(data + offset + 4);
        offset += SIM_ENTRY_HEADER_SIZE;
        if (payload > size - offset || !EntrySizeIsSound(kind, payload)) return FALSE;
        offset += payload;
    }
    return offset == size;
}

BOOLEAN SimNextEntry(const SimProfile* profile, ULONG* cursor, SimEntry* entry) {
    ULONG offset = *cursor == 0 ? SIM_PROFILE_HEADER_SIZE : *cursor;
    if (offset + SIM_ENTRY_HEADER_SIZE > profile->size) return FALSE;
    entry->kind = SimGetU32(profile->data + offset);
    entry->size = SimGetU32(profile->data + offset + 4);
    entry->payload = profile->data + offset + SIM_ENTRY_HEADER_SIZE;
    *cursor = offset + SIM_ENTRY_HEADER_SIZE + entry->size;
    return TRUE;
}

BOOLEAN SimFindEntry(const SimProfile* profile, ULONG kind, SimEntry* entry) {
    ULONG cursor = 0;
    while (SimNextEntry(profile, &cursor, entry))
        if (entry->kind == kind) return TRUE;
    return FALSE;
}

BOOLEAN SimFindSwitch(const SimProfile* profile, ULONG driverId, ULONG switchKind, ULONG code, ULONG* bytes) {
    ULONG cursor = 0;
    SimEntry entry;
    while (SimNextEntry(profile, &cursor, &entry)) {
        if (entry.kind != SIM_ENTRY_SWITCH || SimGetU32(entry.payload) != driverId ||
            SimGetU32(entry.payload + 4) != switchKind)
            continue;
        if (switchKind != SIM_SWITCH_FAIL_START && SimGetU32(entry.payload + 8) != code) continue;
        *bytes = SimGetU32(entry.payload + 12);
        return TRUE;
    }
    return FALSE;
}
