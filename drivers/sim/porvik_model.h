/* The machine the simulated port and memory I/O driver answers from: the memory regions,
 * PCI configuration space, I/O ports and SMBus devices of a compiled profile. It also builds
 * outside the kernel (SIM_NATIVE), so the unit tests' PC is this same model. */
#ifndef VELTRA_PORVIK_MODEL_H
#define VELTRA_PORVIK_MODEL_H

#include "sim_profile.h"

#define PORVIK_QUERY_OPEN_COUNT 0xC3502004u
#define PORVIK_READ_MEMORY 0xC3506104u
#define PORVIK_READ_PCI_CONFIG 0xC3506144u
#define PORVIK_READ_PORT_BYTE 0xC35060CCu
#define PORVIK_WRITE_PORT_BYTE 0xC350A0D8u

#define PORVIK_PORT_COUNT 0x10000u

#ifdef __cplusplus
extern "C" {
#endif

typedef struct PorvikModel {
    SimProfile profile;
    BOOLEAN hasSmbus;
    ULONG smbusBase;
    UCHAR ports[PORVIK_PORT_COUNT]; /* what a read of each port gives */
} PorvikModel;

/* Ports nobody answers read 0xFF, the SMBus host's registers 0, the profile's ports their value. */
void PorvikModelStart(PorvikModel* model, const SimProfile* profile);
/* Copies [address, address + length) into out, unserved bytes as 0xFF; FALSE if any was unserved. */
BOOLEAN PorvikReadPhysical(const PorvikModel* model, ULONG64 address, ULONG length, UCHAR* out);
/* A configuration dword of the function at bus*256 + device*8 + function; all ones when absent. */
ULONG PorvikPciConfigDword(const PorvikModel* model, ULONG address, ULONG offset);
void PorvikWritePort(PorvikModel* model, ULONG port, UCHAR value);
/* Answers one control request in place (as a SimRequestHandler does); the open-count query
 * answers `openCount`. */
NTSTATUS PorvikHandleRequest(PorvikModel* model, ULONG code, UCHAR* buffer, ULONG inputLength, ULONG outputLength,
                             ULONG* written, LONG openCount);

#ifdef __cplusplus
}
#endif

#endif
