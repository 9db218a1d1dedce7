/* The device skeleton both simulated drivers share: load the profile beside the driver
 * file, honour the start-refused switch, create the device, count the open handles, log
 * every control request and apply the failing-request and short-reply switches. */
#include "sim_driver.h"

static const SimDriverConfig* g_config;
static SimProfile g_profile;
static UCHAR* g_profileData;
static WCHAR g_logPath[SIM_PATH_CHARS];
static HANDLE g_log;
static ULONG g_logged;
static LONG g_openCount;

LONG SimOpenCount(void) { return g_openCount; }

static void LogRequest(ULONG code, const UCHAR* input, ULONG inputLength, ULONG outputLength) {
    UCHAR header[SIM_LOG_RECORD_HEADER];
    ULONG record = SIM_LOG_RECORD_HEADER + inputLength;
    if (!g_log || inputLength > SIM_REQUEST_LOG_MAX_SIZE || g_logged + record > SIM_REQUEST_LOG_MAX_SIZE) return;
    SimPutU32(header, code);
    SimPutU32(header + 4, inputLength);
    SimPutU32(header + 8, outputLength);
    if (NT_SUCCESS(SimAppendLog(g_log, header, sizeof(header), input, inputLength))) g_logged += record;
}

static NTSTATUS Complete(PIRP irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = NT_SUCCESS(status) ? information : 0;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static NTSTATUS NTAPI DispatchCreate(PDEVICE_OBJECT device, PIRP irp) {
    UNREFERENCED_PARAMETER(device);
    InterlockedIncrement(&g_openCount);
    return Complete(irp, STATUS_SUCCESS, 0);
}

static NTSTATUS NTAPI DispatchClose(PDEVICE_OBJECT device, PIRP irp) {
    UNREFERENCED_PARAMETER(device);
    InterlockedDecrement(&g_openCount);
    return Complete(irp, STATUS_SUCCESS, 0);
}

static NTSTATUS NTAPI DispatchControl(PDEVICE_OBJECT device, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    ULONG code = stack->Parameters.DeviceIoControl.IoControlCode;
    ULONG inputLength = stack->Parameters.DeviceIoControl.InputBufferLength;
    ULONG outputLength = stack->Parameters.DeviceIoControl.OutputBufferLength;
    UCHAR* buffer = irp->AssociatedIrp.SystemBuffer;
    ULONG written = 0, limit = 0;
    NTSTATUS status;
    UNREFERENCED_PARAMETER(device);
    if (!buffer) inputLength = outputLength = 0;
    LogRequest(code, buffer, inputLength, outputLength);
    if (SimFindSwitch(&g_profile, g_config->driverId, SIM_SWITCH_FAIL_REQUEST, code, &limit))
        return Complete(irp, STATUS_UNSUCCESSFUL, 0);
    status = g_config->handler(code, buffer, inputLength, outputLength, &written);
    if (SimFindSwitch(&g_profile, g_config->driverId, SIM_SWITCH_SHORT_REPLY, code, &limit) && written > limit)
        written = limit;
    return Complete(irp, status, written);
}

static void RemoveDevice(PDRIVER_OBJECT driver) {
    UNICODE_STRING link;
    RtlInitUnicodeString(&link, g_config->linkName);
    IoDeleteSymbolicLink(&link);
    if (driver->DeviceObject) IoDeleteDevice(driver->DeviceObject);
}

static void ReleaseModel(void) {
    if (g_log) ZwClose(g_log);
    g_log = NULL;
    if (g_config->stop) g_config->stop();
    SimFreeFileData(g_profileData);
    g_profileData = NULL;
    g_profile.data = NULL;
    g_profile.size = 0;
}

static VOID NTAPI DriverUnload(PDRIVER_OBJECT driver) {
    RemoveDevice(driver);
    ReleaseModel();
}

static NTSTATUS LoadProfile(PUNICODE_STRING registryPath) {
    WCHAR folder[SIM_PATH_CHARS], path[SIM_PATH_CHARS];
    ULONG size = 0;
    NTSTATUS status = SimFolderOfService(registryPath, folder, SIM_PATH_CHARS);
    if (NT_SUCCESS(status)) status = SimJoinPath(path, SIM_PATH_CHARS, folder, L"" SIM_PROFILE_FILE_NAME);
    if (NT_SUCCESS(status)) status = SimReadWholeFile(path, SIM_PROFILE_MAX_SIZE, &g_profileData, &size);
    if (NT_SUCCESS(status) && !SimProfileIsValid(g_profileData, size)) status = STATUS_FILE_CORRUPT_ERROR;
    if (NT_SUCCESS(status)) status = SimJoinPath(g_logPath, SIM_PATH_CHARS, folder, g_config->logName);
    if (!NT_SUCCESS(status)) {
        DbgPrint("veltra simulated driver: no usable machine profile beside the driver (0x%08lx)\n", status);
        return status;
    }
    g_profile.data = g_profileData;
    g_profile.size = size;
    return STATUS_SUCCESS;
}

static NTSTATUS CreateDevice(PDRIVER_OBJECT driver) {
    UNICODE_STRING name, link;
    PDEVICE_OBJECT device;
    NTSTATUS status;
    RtlInitUnicodeString(&name, g_config->deviceName);
    RtlInitUnicodeString(&link, g_config->linkName);
    status = IoCreateDevice(driver, 0, &name, FILE_DEVICE_UNKNOWN, 0, FALSE, &device);
    if (!NT_SUCCESS(status)) return status;
    status = IoCreateSymbolicLink(&link, &name);
    if (!NT_SUCCESS(status)) IoDeleteDevice(device);
    return status;
}

NTSTATUS SimDriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath, const SimDriverConfig* config) {
    ULONG unused = 0;
    NTSTATUS status;
    g_config = config;
    g_logged = 0;
    g_openCount = 0;
    status = LoadProfile(registryPath);
    if (!NT_SUCCESS(status)) return status;
    if (SimFindSwitch(&g_profile, config->driverId, SIM_SWITCH_FAIL_START, 0, &unused)) {
        DbgPrint("veltra simulated driver: start refused by the machine profile\n");
        ReleaseModel();
        return STATUS_UNSUCCESSFUL;
    }
    status = config->start ? config->start(&g_profile) : STATUS_SUCCESS;
    if (NT_SUCCESS(status)) status = CreateDevice(driver);
    if (!NT_SUCCESS(status)) {
        ReleaseModel();
        return status;
    }
    if (!NT_SUCCESS(SimCreateLog(g_logPath, &g_log))) g_log = NULL;
    driver->MajorFunction[IRP_MJ_CREATE] = DispatchCreate;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchClose;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchControl;
    driver->DriverUnload = DriverUnload;
    return STATUS_SUCCESS;
}
