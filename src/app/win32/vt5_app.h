#pragma once
#include <memory>
#include <string>

#include "core/vt5_record.h"
#include "hardware/porvik_driver.h"
#include "platform/win32/win32_platform.h"

namespace veltra {

// The application object: single instance, common controls, the I/O driver client, then
// the main set-up.
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
    // Kept for the whole run and never released: the driver stays loaded for the next start.
    std::unique_ptr<CPorvikDriver> driver_;
};

}  // namespace veltra
