/* The simulated I/O driver's machine (porvik_model.h). */
#include "porvik_model.h"

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

void PorvikModelStart(PorvikModel* model, const SimProfile* profile) {
    ULONG cursor = 0;
    SimEntry entry;
    model->profile = *profile;
    RtlFillMemory(model->ports, PORVIK_PORT_COUNT, 0xFF);  /* nothing answers: the bus floats high */
    model->hasSmbus = SimFindEntry(profile, SIM_ENTRY_SMBUS_HOST, &entry);
    model->smbusBase = model->hasSmbus ? SimGetU32(entry.payload) : 0;
    if (model->hasSmbus && model->smbusBase + SMBUS_REGISTERS > PORVIK_PORT_COUNT) model->hasSmbus = FALSE;
    if (model->hasSmbus) RtlZeroMemory(model->ports + model->smbusBase, SMBUS_REGISTERS);
    while (SimNextEntry(profile, &cursor, &entry))
        if (entry.kind == SIM_ENTRY_PORT && SimGetU32(entry.payload) < PORVIK_PORT_COUNT)
            model->ports[SimGetU32(entry.payload)] = (UCHAR)SimGetU32(entry.payload + 4);
}

BOOLEAN PorvikReadPhysical(const PorvikModel* model, ULONG64 address, ULONG length, UCHAR* out) {
    ULONG cursor = 0, served = 0;
    SimEntry entry;
    RtlFillMemory(out, length, 0xFF);
    while (SimNextEntry(&model->profile, &cursor, &entry)) {
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
    return served == length;  /* regions never overlap: the compiler refuses that */
}

static NTSTATUS ReadMemory(const PorvikModel* model, UCHAR* buffer, ULONG inputLength, ULONG outputLength,
                           ULONG* written) {
    ULONG64 address, length;
    ULONG unitSize, unitCount;
    SimEntry mode;
    if (inputLength < 16) return STATUS_INVALID_PARAMETER;
    address = SimGetU32(buffer) | ((ULONG64)SimGetU32(buffer + 4) << 32);
    unitSize = SimGetU32(buffer + 8);
    unitCount = SimGetU32(buffer + 12);
    if (unitSize != 1 && unitSize != 2 && unitSize != 4) return STATUS_INVALID_PARAMETER;
    length = (ULONG64)unitSize * unitCount;
    if (length > SIM_MEMORY_READ_MAX) return STATUS_INVALID_PARAMETER;
    if (length > outputLength) return STATUS_BUFFER_TOO_SMALL;
    if (!PorvikReadPhysical(model, address, (ULONG)length, buffer) &&
        SimFindEntry(&model->profile, SIM_ENTRY_UNSERVED, &mode) && SimGetU32(mode.payload) == SIM_UNSERVED_FAIL)
        return STATUS_ACCESS_VIOLATION;
    *written = (ULONG)length;
    return STATUS_SUCCESS;
}

ULONG PorvikPciConfigDword(const PorvikModel* model, ULONG address, ULONG offset) {
    ULONG cursor = 0, value = 0, index;
    SimEntry entry;
    while (SimNextEntry(&model->profile, &cursor, &entry)) {
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

static NTSTATUS ReadPciConfig(const PorvikModel* model, UCHAR* buffer, ULONG inputLength, ULONG outputLength,
                              ULONG* written) {
    if (inputLength < 8) return STATUS_INVALID_PARAMETER;
    if (outputLength < 4) return STATUS_BUFFER_TOO_SMALL;
    SimPutU32(buffer, PorvikPciConfigDword(model, SimGetU32(buffer), SimGetU32(buffer + 4)));
    *written = 4;
    return STATUS_SUCCESS;
}

static void RunSmbusTransaction(PorvikModel* model, UCHAR control) {
    UCHAR* host = model->ports + model->smbusBase;
    ULONG slave = host[SMBUS_SLAVE], cursor = 0;
    SimEntry entry;
    host[SMBUS_CONTROL] = (UCHAR)(control & ~SMBUS_START);
    if (((control >> 2) & 7) != SMBUS_PROTOCOL_BYTE_DATA || !(slave & 1)) {
        host[SMBUS_STATUS] |= SMBUS_STATUS_DEVICE_ERROR;  /* only byte-data reads are modelled */
        return;
    }
    while (SimNextEntry(&model->profile, &cursor, &entry)) {
        if (entry.kind != SIM_ENTRY_SMBUS_DEVICE || SimGetU32(entry.payload) != slave >> 1 ||
            SimGetU32(entry.payload + 4) != host[SMBUS_COMMAND])
            continue;
        host[SMBUS_DATA0] = (UCHAR)SimGetU32(entry.payload + 8);
        host[SMBUS_STATUS] |= SMBUS_STATUS_DONE;
        return;
    }
    host[SMBUS_STATUS] |= SMBUS_STATUS_DEVICE_ERROR;  /* no device acknowledged the address */
}

void PorvikWritePort(PorvikModel* model, ULONG port, UCHAR value) {
    ULONG offset = port - model->smbusBase;
    if (!model->hasSmbus || port < model->smbusBase || offset >= SMBUS_REGISTERS) {
        model->ports[port] = value;
    } else if (offset == SMBUS_STATUS) {
        model->ports[port] &= (UCHAR)~value;  /* status bits clear when written with ones */
    } else if (offset == SMBUS_CONTROL && (value & SMBUS_START)) {
        RunSmbusTransaction(model, value);
    } else {
        model->ports[port] = value;
    }
}

static NTSTATUS ReadPortByte(const PorvikModel* model, UCHAR* buffer, ULONG inputLength, ULONG outputLength,
                             ULONG* written) {
    ULONG port;
    if (inputLength < 2) return STATUS_INVALID_PARAMETER;
    if (outputLength < 2) return STATUS_BUFFER_TOO_SMALL;
    port = (ULONG)buffer[0] | ((ULONG)buffer[1] << 8);
    buffer[0] = model->ports[port];
    buffer[1] = 0;
    *written = 2;
    return STATUS_SUCCESS;
}

static NTSTATUS WritePortByte(PorvikModel* model, UCHAR* buffer, ULONG inputLength, ULONG* written) {
    ULONG port;
    if (inputLength < 5) return STATUS_INVALID_PARAMETER;
    port = SimGetU32(buffer);
    if (port >= PORVIK_PORT_COUNT) return STATUS_INVALID_PARAMETER;
    PorvikWritePort(model, port, buffer[4]);
    *written = 0;
    return STATUS_SUCCESS;
}

static NTSTATUS QueryOpenCount(UCHAR* buffer, ULONG outputLength, ULONG* written, LONG openCount) {
    if (outputLength < 4) return STATUS_BUFFER_TOO_SMALL;
    SimPutU32(buffer, (ULONG)openCount);
    *written = 4;
    return STATUS_SUCCESS;
}

NTSTATUS PorvikHandleRequest(PorvikModel* model, ULONG code, UCHAR* buffer, ULONG inputLength, ULONG outputLength,
                             ULONG* written, LONG openCount) {
    switch (code) {
    case PORVIK_QUERY_OPEN_COUNT: return QueryOpenCount(buffer, outputLength, written, openCount);
    case PORVIK_READ_MEMORY: return ReadMemory(model, buffer, inputLength, outputLength, written);
    case PORVIK_READ_PCI_CONFIG: return ReadPciConfig(model, buffer, inputLength, outputLength, written);
    case PORVIK_READ_PORT_BYTE: return ReadPortByte(model, buffer, inputLength, outputLength, written);
    case PORVIK_WRITE_PORT_BYTE: return WritePortByte(model, buffer, inputLength, written);
    default: return STATUS_INVALID_DEVICE_REQUEST;
    }
}
