/* Simulated port and memory I/O driver (a test double, not a real driver): answers the
 * control requests of device \\.\Porvik_1_0_4 from the machine profile beside it. */
#include "porvik_model.h"
#include "sim_driver.h"

#define POOL_TAG 0x72505356u /* "VSPr" */

static PorvikModel* g_model;

static NTSTATUS StartModel(const SimProfile* profile) {
    g_model = ExAllocatePoolWithTag(NonPagedPool, sizeof(PorvikModel), POOL_TAG);
    if (!g_model) return STATUS_INSUFFICIENT_RESOURCES;
    PorvikModelStart(g_model, profile);
    return STATUS_SUCCESS;
}

static void StopModel(void) {
    if (g_model) ExFreePoolWithTag(g_model, POOL_TAG);
    g_model = NULL;
}

static NTSTATUS HandleRequest(ULONG code, UCHAR* buffer, ULONG inputLength, ULONG outputLength, ULONG* written) {
    return PorvikHandleRequest(g_model, code, buffer, inputLength, outputLength, written, SimOpenCount());
}

static const SimDriverConfig kPorvik = {
    SIM_DRIVER_PORVIK,      L"\\Device\\Porvik_1_0_4", L"\\DosDevices\\Porvik_1_0_4",
    L"Porvik_1_0_4" SIM_LOG_SUFFIX, HandleRequest,     StartModel,
    StopModel};

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath) {
    return SimDriverEntry(driver, registryPath, &kPorvik);
}
