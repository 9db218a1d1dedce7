/* The compiled machine profile that the simulated drivers read, written by veltra-profile.
 * Shared by the C drivers and the C++ compiler so both agree on one layout.
 *
 * All numbers are 32-bit little-endian. The file is the 8-byte magic, the entry count,
 * then the entries; an entry is its kind, its payload size in bytes, then the payload. */
#ifndef VELTRA_SIM_PROFILE_FORMAT_H
#define VELTRA_SIM_PROFILE_FORMAT_H

#define SIM_PROFILE_MAGIC "VSIMPRF1"
#define SIM_PROFILE_MAGIC_SIZE 8
#define SIM_PROFILE_HEADER_SIZE 12
#define SIM_ENTRY_HEADER_SIZE 8

/* Bounds the drivers enforce on what they load and what they log. */
#define SIM_PROFILE_MAX_SIZE (8u * 1024u * 1024u)
#define SIM_REGION_MAX_SIZE (1024u * 1024u)
#define SIM_PROFILE_MAX_ENTRIES 4096u
#define SIM_REQUEST_LOG_MAX_SIZE (4u * 1024u * 1024u)
#define SIM_MEMORY_READ_MAX (1024u * 1024u)

#define SIM_PCI_CONFIG_SIZE 256u
#define SIM_BIOS_IDENT_SIZE 256u
#define SIM_BIOS_INFO_SIZE 1028u

enum SimEntryKind {
    SIM_ENTRY_MEMORY = 1,       /* u32 physical base, then the region's bytes */
    SIM_ENTRY_PCI = 2,          /* u32 bus*256 + device*8 + function, then 256 config bytes */
    SIM_ENTRY_PORT = 3,         /* u32 port, u32 value read until written */
    SIM_ENTRY_SMBUS_HOST = 4,   /* u32 I/O base of the SMBus host controller's registers */
    SIM_ENTRY_SMBUS_DEVICE = 5, /* u32 7-bit slave address, u32 command, u32 byte answered */
    SIM_ENTRY_BIOS_IDENT = 6,   /* the identification text (at most 256 bytes, no terminator) */
    SIM_ENTRY_BIOS_INFO = 7,    /* the 1028-byte BIOS information record */
    SIM_ENTRY_SWITCH = 8,       /* u32 driver, u32 switch kind, u32 control code, u32 byte count */
    SIM_ENTRY_UNSERVED = 9      /* u32 what a read of unserved memory does (SimUnservedMode) */
};

enum SimDriverId { SIM_DRIVER_PORVIK = 1, SIM_DRIVER_NORVABIOS = 2 };

enum SimSwitchKind {
    SIM_SWITCH_FAIL_START = 1,   /* DriverEntry fails, so StartService fails */
    SIM_SWITCH_FAIL_REQUEST = 2, /* requests with the code fail */
    SIM_SWITCH_SHORT_REPLY = 3   /* requests with the code report at most `byte count` bytes */
};

enum SimUnservedMode { SIM_UNSERVED_FF = 0, SIM_UNSERVED_FAIL = 1 };

/* Size of each fixed-size payload; 0 where the size varies. */
#define SIM_PORT_PAYLOAD 8u
#define SIM_SMBUS_HOST_PAYLOAD 4u
#define SIM_SMBUS_DEVICE_PAYLOAD 12u
#define SIM_SWITCH_PAYLOAD 16u
#define SIM_UNSERVED_PAYLOAD 4u
#define SIM_PCI_PAYLOAD (4u + SIM_PCI_CONFIG_SIZE)

/* Files beside the driver: the compiled profile and one request log per device. */
#define SIM_PROFILE_FILE_NAME "sim-machine.bin"
#define SIM_LOG_SUFFIX ".requests"

/* A request log record: u32 control code, u32 input length, u32 output length, input bytes. */
#define SIM_LOG_RECORD_HEADER 12u

#endif
