/* Simulated BIOS-access driver (a test double, not a real driver): answers the two
 * control requests of device \\.\NORVA_NORVABIOS_010507 from the machine profile. */
#include "sim_driver.h"

#define NORVABIOS_IDENTIFY 0x222020u
#define NORVABIOS_READ_INFO 0x222014u

static const SimProfile* g_profile;

static NTSTATUS StartModel(const SimProfile* profile) {
    g_profile = profile;
    return STATUS_SUCCESS;
}

/* The identification text, zero-padded; the bytes reported are the text and its terminator,
 * so a profile without a text answers zero bytes (board not identified). */
static NTSTATUS Identify(UCHAR* buffer, ULONG outputLength, ULONG* written) {
    SimEntry entry;
    ULONG length;
    if (outputLength < SIM_BIOS_IDENT_SIZE) return STATUS_BUFFER_TOO_SMALL;
    RtlZeroMemory(buffer, SIM_BIOS_IDENT_SIZE);
    if (!SimFindEntry(g_profile, SIM_ENTRY_BIOS_IDENT, &entry) || entry.size == 0) {
        *written = 0;
        return STATUS_SUCCESS;
    }
    RtlCopyMemory(buffer, entry.payload, entry.size);
    length = entry.size + 1;
    *written = length < SIM_BIOS_IDENT_SIZE ? length : SIM_BIOS_IDENT_SIZE;
    return STATUS_SUCCESS;
}

static NTSTATUS ReadInfo(UCHAR* buffer, ULONG inputLength, ULONG outputLength, ULONG* written) {
    SimEntry entry;
    if (inputLength < SIM_BIOS_INFO_SIZE) return STATUS_INVALID_PARAMETER;
    if (outputLength < SIM_BIOS_INFO_SIZE) return STATUS_BUFFER_TOO_SMALL;
    if (!SimFindEntry(g_profile, SIM_ENTRY_BIOS_INFO, &entry)) return STATUS_DEVICE_NOT_READY;
    RtlCopyMemory(buffer, entry.payload, SIM_BIOS_INFO_SIZE);
    *written = SIM_BIOS_INFO_SIZE;
    return STATUS_SUCCESS;
}

static NTSTATUS HandleRequest(ULONG code, UCHAR* buffer, ULONG inputLength, ULONG outputLength, ULONG* written) {
    switch (code) {
    case NORVABIOS_IDENTIFY: return Identify(buffer, outputLength, written);
    case NORVABIOS_READ_INFO: return ReadInfo(buffer, inputLength, outputLength, written);
    default: return STATUS_INVALID_DEVICE_REQUEST;
    }
}

static const SimDriverConfig kNorvabios = {
    SIM_DRIVER_NORVABIOS, L"\\Device\\NORVA_NORVABIOS_010507", L"\\DosDevices\\NORVA_NORVABIOS_010507",
    L"NORVA_NORVABIOS_010507" SIM_LOG_SUFFIX, HandleRequest, StartModel, NULL};

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath) {
    return SimDriverEntry(driver, registryPath, &kNorvabios);
}
