/* The few kernel types the profile reader uses, so that sim_profile.c also builds natively
 * for the unit tests and the fuzzer (SIM_NATIVE), which then exercise the drivers' own code. */
#ifndef VELTRA_SIM_TYPES_H
#define VELTRA_SIM_TYPES_H

#ifdef SIM_NATIVE
#include <stdint.h>
typedef uint32_t ULONG;
typedef uint8_t UCHAR;
typedef unsigned char BOOLEAN;
#define TRUE 1
#define FALSE 0
#else
#include <ntddk.h>
#endif

#endif
