/* Simulated port and memory I/O driver (a test double, not a real driver): answers the
 * control requests of device \\.\Porvik_1_0_4 from the machine profile beside it. */
#include "sim_driver.h"

#define PORVIK_QUERY_OPEN_COUNT 0xC3502004u
#define PORVIK_READ_MEMORY 0xC3506104u
#define PORVIK_READ_PCI_CONFIG 0xC3506144u
#define PORVIK_READ_PORT_BYTE 0xC35060CCu
#define PORVIK_WRITE_PORT_BYTE 0xC350A0D8u

#define PORT_COUNT 0x10000u
#define POOL_TAG 0x72505356u /* "VSPr" */

/* SMBus host controller registers (offsets from its I/O base) as the dual-BIOS check drives them. */
#define SMBUS_STATUS 0
#define SMBUS_CONTROL 2
#define SMBUS_COMMAND 3
#define SMBUS_SLAVE 4
#define SMBUS_DATA0 5
#define SMBUS_REGISTERS 16
#define SMBUS_START 0x40
#define SMBUS_PROTOCOL_BYTE_DATA 2
#define SMBUS_STATUS_DONE 0x02
#define SMBUS_STATUS_DEVICE_ERROR 0x04

static const SimProfile* g_profile;
static UCHAR* g_ports;
static BOOLEAN g_hasSmbus;
static ULONG g_smbusBase;

static NTSTATUS StartModel(const SimProfile* profile) {
    ULONG cursor = 0;
    SimEntry entry;
    g_profile = profile;
    g_ports = ExAllocatePoolWithTag(NonPagedPool, PORT_COUNT, POOL_TAG);
    if (!g_ports) return STATUS_INSUFFICIENT_RESOURCES;
    RtlFillMemory(g_ports, PORT_COUNT, 0xFF);  /* nothing answers: the bus floats high */
    g_hasSmbus = SimFindEntry(profile, SIM_ENTRY_SMBUS_HOST, &entry);
    g_smbusBase = g_hasSmbus ? SimGetU32(entry.payload) : 0;
    if (g_hasSmbus && g_smbusBase + SMBUS_REGISTERS > PORT_COUNT) g_hasSmbus = FALSE;
    if (g_hasSmbus) RtlZeroMemory(g_ports + g_smbusBase, SMBUS_REGISTERS);
    while (SimNextEntry(profile, &cursor, &entry))
        if (entry.kind == SIM_ENTRY_PORT && SimGetU32(entry.payload) < PORT_COUNT)
            g_ports[SimGetU32(entry.payload)] = (UCHAR)SimGetU32(entry.payload + 4);
    return STATUS_SUCCESS;
}

static void StopModel(void) {
    if (g_ports) ExFreePoolWithTag(g_ports, POOL_TAG);
    g_ports = NULL;
}

/* Copies the served bytes of [address, address+length) into out; *complete tells whether
 * every byte lay in some region. Unserved bytes read 0xFF. */
static void ReadPhysical(ULONG64 address, ULONG length, UCHAR* out, BOOLEAN* complete) {
    ULONG cursor = 0, served = 0;
    SimEntry entry;
    RtlFillMemory(out, length, 0xFF);
    while (SimNextEntry(g_profile, &cursor, &entry)) {
        ULONG64 base, end, from, to;
        if (entry.kind != SIM_ENTRY_MEMORY) continue;
        base = SimGetU32(entry.payload);
        end = base + entry.size - 4;
        from = address > base ? address : base;
        to = address + length < end ? address + length : end;
        if (from >= to) continue;
        RtlCopyMemory(out + (from - address), entry.payload + 4 + (from - base), (SIZE_T)(to - from));
        served += (ULONG)(to - from);
    }
    *complete = served == length;  /* regions never overlap: the compiler refuses that */
}

static NTSTATUS ReadMemory(UCHAR* buffer, ULONG inputLength, ULONG outputLength, ULONG* written) {
    ULONG64 address, length;
    ULONG unitSize, unitCount;
    BOOLEAN complete;
    SimEntry mode;
    if (inputLength < 16) return STATUS_INVALID_PARAMETER;
    address = SimGetU32(buffer) | ((ULONG64)SimGetU32(buffer + 4) << 32);
    unitSize = SimGetU32(buffer + 8);
    unitCount = SimGetU32(buffer + 12);
    if (unitSize != 1 && unitSize != 2 && unitSize != 4) return STATUS_INVALID_PARAMETER;
    length = (ULONG64)unitSize * unitCount;
    if (length > SIM_MEMORY_READ_MAX) return STATUS_INVALID_PARAMETER;
    if (length > outputLength) return STATUS_BUFFER_TOO_SMALL;
    ReadPhysical(address, (ULONG)length, buffer, &complete);
    if (!complete && SimFindEntry(g_profile, SIM_ENTRY_UNSERVED, &mode) && SimGetU32(mode.payload) == SIM_UNSERVED_FAIL)
        return STATUS_ACCESS_VIOLATION;
    *written = (ULONG)length;
    return STATUS_SUCCESS;
}

static ULONG PciConfigDword(ULONG address, ULONG offset) {
    ULONG cursor = 0, value = 0, index;
    SimEntry entry;
    while (SimNextEntry(g_profile, &cursor, &entry)) {
        if (entry.kind != SIM_ENTRY_PCI || SimGetU32(entry.payload) != address) continue;
        for (index = 0; index < 4; ++index) {
            ULONG at = offset + index;
            ULONG byte = at < SIM_PCI_CONFIG_SIZE && at >= offset ? entry.payload[4 + at] : 0xFF;
            value |= byte << (8 * index);
        }
        return value;
    }
    return 0xFFFFFFFFu;  /* an absent function reads all ones */
}

static NTSTATUS ReadPciConfig(UCHAR* buffer, ULONG inputLength, ULONG outputLength, ULONG* written) {
    if (inputLength < 8) return STATUS_INVALID_PARAMETER;
    if (outputLength < 4) return STATUS_BUFFER_TOO_SMALL;
    SimPutU32(buffer, PciConfigDword(SimGetU32(buffer), SimGetU32(buffer + 4)));
    *written = 4;
    return STATUS_SUCCESS;
}

static void RunSmbusTransaction(UCHAR control) {
    UCHAR* host = g_ports + g_smbusBase;
    ULONG slave = host[SMBUS_SLAVE], cursor = 0;
    SimEntry entry;
    host[SMBUS_CONTROL] = (UCHAR)(control & ~SMBUS_START);
    if (((control >> 2) & 7) != SMBUS_PROTOCOL_BYTE_DATA || !(slave & 1)) {
        host[SMBUS_STATUS] |= SMBUS_STATUS_DEVICE_ERROR;  /* only byte-data reads are modelled */
        return;
    }
    while (SimNextEntry(g_profile, &cursor, &entry)) {
        if (entry.kind != SIM_ENTRY_SMBUS_DEVICE || SimGetU32(entry.payload) != slave >> 1 ||
            SimGetU32(entry.payload + 4) != host[SMBUS_COMMAND])
            continue;
        host[SMBUS_DATA0] = (UCHAR)SimGetU32(entry.payload + 8);
        host[SMBUS_STATUS] |= SMBUS_STATUS_DONE;
        return;
    }
    host[SMBUS_STATUS] |= SMBUS_STATUS_DEVICE_ERROR;  /* no device acknowledged the address */
}

static void WritePort(ULONG port, UCHAR value) {
    ULONG offset = port - g_smbusBase;
    if (!g_hasSmbus || port < g_smbusBase || offset >= SMBUS_REGISTERS) {
        g_ports[port] = value;
    } else if (offset == SMBUS_STATUS) {
        g_ports[port] &= (UCHAR)~value;  /* status bits clear when written with ones */
    } else if (offset == SMBUS_CONTROL && (value & SMBUS_START)) {
        RunSmbusTransaction(value);
    } else {
        g_ports[port] = value;
    }
}

static NTSTATUS ReadPortByte(UCHAR* buffer, ULONG inputLength, ULONG outputLength, ULONG* written) {
    ULONG port;
    if (inputLength < 2) return STATUS_INVALID_PARAMETER;
    if (outputLength < 2) return STATUS_BUFFER_TOO_SMALL;
    port = (ULONG)buffer[0] | ((ULONG)buffer[1] << 8);
    buffer[0] = g_ports[port];
    buffer[1] = 0;
    *written = 2;
    return STATUS_SUCCESS;
}

static NTSTATUS WritePortByte(UCHAR* buffer, ULONG inputLength, ULONG* written) {
    ULONG port;
    if (inputLength < 5) return STATUS_INVALID_PARAMETER;
    port = SimGetU32(buffer);
    if (port >= PORT_COUNT) return STATUS_INVALID_PARAMETER;
    WritePort(port, buffer[4]);
    *written = 0;
    return STATUS_SUCCESS;
}

static NTSTATUS QueryOpenCount(UCHAR* buffer, ULONG outputLength, ULONG* written) {
    if (outputLength < 4) return STATUS_BUFFER_TOO_SMALL;
    SimPutU32(buffer, (ULONG)SimOpenCount());
    *written = 4;
    return STATUS_SUCCESS;
}

static NTSTATUS HandleRequest(ULONG code, UCHAR* buffer, ULONG inputLength, ULONG outputLength, ULONG* written) {
    switch (code) {
    case PORVIK_QUERY_OPEN_COUNT: return QueryOpenCount(buffer, outputLength, written);
    case PORVIK_READ_MEMORY: return ReadMemory(buffer, inputLength, outputLength, written);
    case PORVIK_READ_PCI_CONFIG: return ReadPciConfig(buffer, inputLength, outputLength, written);
    case PORVIK_READ_PORT_BYTE: return ReadPortByte(buffer, inputLength, outputLength, written);
    case PORVIK_WRITE_PORT_BYTE: return WritePortByte(buffer, inputLength, written);
    default: return STATUS_INVALID_DEVICE_REQUEST;
    }
}

static const SimDriverConfig kPorvik = {
    SIM_DRIVER_PORVIK,      L"\\Device\\Porvik_1_0_4", L"\\DosDevices\\Porvik_1_0_4",
    L"Porvik_1_0_4" SIM_LOG_SUFFIX, HandleRequest,     StartModel,
    StopModel};

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath) {
    return SimDriverEntry(driver, registryPath, &kPorvik);
}
