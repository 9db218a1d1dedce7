/* Kernel file access for the simulated drivers: where the driver file lies (from the
 * service's ImagePath), reading the compiled profile, and appending to the request log. */
#include "sim_driver.h"

#define SIM_POOL_TAG 0x6D695356u /* "VSim" */

static ULONG WideLength(const WCHAR* text) {
    ULONG length = 0;
    while (text[length]) ++length;
    return length;
}

static NTSTATUS CopyWide(WCHAR* out, ULONG outChars, ULONG* used, const WCHAR* text, ULONG length) {
    if (*used + length + 1 > outChars) return STATUS_NAME_TOO_LONG;
    RtlCopyMemory(out + *used, text, length * sizeof(WCHAR));
    *used += length;
    out[*used] = 0;
    return STATUS_SUCCESS;
}

NTSTATUS SimJoinPath(WCHAR* out, ULONG outChars, const WCHAR* folder, const WCHAR* name) {
    ULONG used = 0;
    NTSTATUS status = CopyWide(out, outChars, &used, folder, WideLength(folder));
    if (NT_SUCCESS(status)) status = CopyWide(out, outChars, &used, L"\\", 1);
    if (NT_SUCCESS(status)) status = CopyWide(out, outChars, &used, name, WideLength(name));
    return status;
}

static void InitAttributes(OBJECT_ATTRIBUTES* attributes, UNICODE_STRING* name, const WCHAR* path) {
    RtlInitUnicodeString(name, path);
    InitializeObjectAttributes(attributes, name, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL, NULL);
}

static NTSTATUS QueryImagePath(PUNICODE_STRING registryPath, WCHAR* path, ULONG pathChars) {
    UCHAR buffer[sizeof(KEY_VALUE_PARTIAL_INFORMATION) + SIM_PATH_CHARS * sizeof(WCHAR)];
    KEY_VALUE_PARTIAL_INFORMATION* info = (KEY_VALUE_PARTIAL_INFORMATION*)buffer;
    OBJECT_ATTRIBUTES attributes;
    UNICODE_STRING valueName;
    HANDLE key;
    ULONG length = 0, chars;
    NTSTATUS status;
    InitializeObjectAttributes(&attributes, registryPath, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL, NULL);
    status = ZwOpenKey(&key, KEY_QUERY_VALUE, &attributes);
    if (!NT_SUCCESS(status)) return status;
    RtlInitUnicodeString(&valueName, L"ImagePath");
    status = ZwQueryValueKey(key, &valueName, KeyValuePartialInformation, info, sizeof(buffer), &length);
    ZwClose(key);
    if (!NT_SUCCESS(status)) return status;
    chars = info->DataLength / sizeof(WCHAR);
    while (chars > 0 && ((const WCHAR*)info->Data)[chars - 1] == 0) --chars;  /* stored with its NUL */
    if (chars + 1 > pathChars) return STATUS_NAME_TOO_LONG;
    RtlCopyMemory(path, info->Data, chars * sizeof(WCHAR));
    path[chars] = 0;
    return STATUS_SUCCESS;
}

/* The service manager stores the binary path as the client gave it: a DOS path such as
 * C:\dir\file.sys, or an NT path starting with \??\. */
NTSTATUS SimFolderOfService(PUNICODE_STRING registryPath, WCHAR* folder, ULONG folderChars) {
    WCHAR image[SIM_PATH_CHARS];
    ULONG used = 0, cut;
    NTSTATUS status = QueryImagePath(registryPath, image, SIM_PATH_CHARS);
    if (!NT_SUCCESS(status)) return status;
    if (image[0] && image[1] == L':') {
        status = CopyWide(folder, folderChars, &used, L"\\??\\", 4);
    } else if (!(image[0] == L'\\' && image[1] == L'?' && image[2] == L'?' && image[3] == L'\\')) {
        return STATUS_OBJECT_PATH_SYNTAX_BAD;
    }
    if (!NT_SUCCESS(status)) return status;
    cut = WideLength(image);
    while (cut > 0 && image[cut - 1] != L'\\') --cut;
    if (cut == 0) return STATUS_OBJECT_PATH_SYNTAX_BAD;
    return CopyWide(folder, folderChars, &used, image, cut - 1);
}

NTSTATUS SimReadWholeFile(const WCHAR* path, ULONG maxSize, UCHAR** data, ULONG* size) {
    OBJECT_ATTRIBUTES attributes;
    UNICODE_STRING name;
    IO_STATUS_BLOCK io;
    FILE_STANDARD_INFORMATION info;
    HANDLE file;
    NTSTATUS status;
    *data = NULL;
    InitAttributes(&attributes, &name, path);
    status = ZwCreateFile(&file, GENERIC_READ | SYNCHRONIZE, &attributes, &io, NULL, FILE_ATTRIBUTE_NORMAL,
                          FILE_SHARE_READ, FILE_OPEN, FILE_SYNCHRONOUS_IO_NONALERT | FILE_NON_DIRECTORY_FILE, NULL, 0);
    if (!NT_SUCCESS(status)) return status;
    status = ZwQueryInformationFile(file, &io, &info, sizeof(info), FileStandardInformation);
    if (NT_SUCCESS(status) && (info.EndOfFile.QuadPart <= 0 || info.EndOfFile.QuadPart > maxSize))
        status = STATUS_FILE_TOO_LARGE;
    if (NT_SUCCESS(status)) {
        *size = (ULONG)info.EndOfFile.QuadPart;
        *data = ExAllocatePoolWithTag(NonPagedPool, *size, SIM_POOL_TAG);
        if (!*data) status = STATUS_INSUFFICIENT_RESOURCES;
    }
    if (NT_SUCCESS(status)) status = ZwReadFile(file, NULL, NULL, NULL, &io, *data, *size, NULL, NULL);
    if (NT_SUCCESS(status) && io.Information != *size) status = STATUS_END_OF_FILE;
    ZwClose(file);
    if (!NT_SUCCESS(status) && *data) {
        ExFreePoolWithTag(*data, SIM_POOL_TAG);
        *data = NULL;
    }
    return status;
}

static NTSTATUS OpenForWriting(const WCHAR* path, ULONG disposition, ACCESS_MASK access, HANDLE* file) {
    OBJECT_ATTRIBUTES attributes;
    UNICODE_STRING name;
    IO_STATUS_BLOCK io;
    InitAttributes(&attributes, &name, path);
    /* Shared for deletion too, so a test can remove the log between runs. */
    return ZwCreateFile(file, access | SYNCHRONIZE, &attributes, &io, NULL, FILE_ATTRIBUTE_NORMAL,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, disposition,
                        FILE_SYNCHRONOUS_IO_NONALERT | FILE_NON_DIRECTORY_FILE, NULL, 0);
}

NTSTATUS SimCreateLog(const WCHAR* path, HANDLE* file) {
    return OpenForWriting(path, FILE_OVERWRITE_IF, FILE_APPEND_DATA, file);
}

NTSTATUS SimAppendLog(HANDLE file, const UCHAR* first, ULONG firstSize, const UCHAR* second, ULONG secondSize) {
    IO_STATUS_BLOCK io;
    NTSTATUS status = ZwWriteFile(file, NULL, NULL, NULL, &io, (PVOID)first, firstSize, NULL, NULL);
    if (NT_SUCCESS(status) && secondSize > 0)
        status = ZwWriteFile(file, NULL, NULL, NULL, &io, (PVOID)second, secondSize, NULL, NULL);
    return status;
}

void SimFreeFileData(UCHAR* data) {
    if (data) ExFreePoolWithTag(data, SIM_POOL_TAG);
}
