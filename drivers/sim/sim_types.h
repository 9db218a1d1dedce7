/* The few kernel types and calls the profile reader and the I/O driver's model use, so that
 * they also build outside the kernel (SIM_NATIVE): the unit tests and the fuzzers then
 * exercise the drivers' own code. */
#ifndef VELTRA_SIM_TYPES_H
#define VELTRA_SIM_TYPES_H

#ifdef SIM_NATIVE
#include <stddef.h>
#include <stdint.h>
#include <string.h>
typedef uint32_t ULONG;
typedef int32_t LONG;
typedef uint64_t ULONG64;
typedef size_t SIZE_T;
typedef uint8_t UCHAR;
typedef unsigned char BOOLEAN;
typedef int32_t NTSTATUS;
#define TRUE 1
#define FALSE 0
#define STATUS_SUCCESS ((NTSTATUS)0)
#define STATUS_ACCESS_VIOLATION ((NTSTATUS)0xC0000005u)
#define STATUS_INVALID_PARAMETER ((NTSTATUS)0xC000000Du)
#define STATUS_INVALID_DEVICE_REQUEST ((NTSTATUS)0xC0000010u)
#define STATUS_BUFFER_TOO_SMALL ((NTSTATUS)0xC0000023u)
#define RtlFillMemory(destination, length, fill) memset((destination), (fill), (length))
#define RtlZeroMemory(destination, length) memset((destination), 0, (length))
#define RtlCopyMemory(destination, source, length) memcpy((destination), (source), (length))
#else
#include <ntddk.h>
#endif

#endif
