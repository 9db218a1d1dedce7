#pragma once
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/device_io.h"
#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/named_mutex.h"
#include "platform/process_exit.h"
#include "platform/process_info.h"
#include "platform/process_launcher.h"
#include "platform/registry.h"
#include "platform/service_manager.h"
#include "platform/system_version.h"
#include "platform/windows.h"

namespace veltra {

// Everything the logic reaches of the system, handed down from the front end.
struct Platform {
    IRegistry& registry;
    ISystemVersion& systemVersion;
    INamedMutexes& mutexes;
    IWindows& windows;
    IMessageBox& messageBox;
    IProcessLauncher& launcher;
    IClock& clock;
    ICodePage& codePage;
    IProcessInfo& processInfo;
    IFileSystem& fileSystem;
    // The kernel drivers' installation and requests, and the process end when they fail.
    IServiceManager& services;
    IDeviceIo& devices;
    IProcessExit& processExit;
};

}  // namespace veltra
