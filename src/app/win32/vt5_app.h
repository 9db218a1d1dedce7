#pragma once
#include <string>

#include "app/vt5_record.h"
#include "platform/win32/win32_platform.h"

namespace veltra {

// The application object: single instance, common controls, then the main set-up.
class CVT5App {
public:
    explicit CVT5App(std::u16string commandLine);
    CVT5App(const CVT5App&) = delete;
    CVT5App& operator=(const CVT5App&) = delete;

    // Always false: the process ends when the start-up is over.
    bool InitInstance();

private:
    std::u16string commandLine_;
    Win32Platform platform_;  // holds the instance mutex until the application object goes
    VT5Record vt5_;
};

}  // namespace veltra
