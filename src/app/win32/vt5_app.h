#pragma once
#include <memory>
#include <optional>
#include <string>

#include "catalogue/check_context.h"
#include "core/vt5_record.h"
#include "hardware/porvik_driver.h"
#include "platform/win32/win32_platform.h"
#include "startup/main_setup.h"

namespace veltra {

// The application object: single instance, common controls, the I/O driver client, then
// the main window, whose set-up identifies the machine.
class CVT5App {
public:
    explicit CVT5App(std::u16string commandLine);
    CVT5App(const CVT5App&) = delete;
    CVT5App& operator=(const CVT5App&) = delete;

    // Always false: the process ends when the main window has closed.
    bool InitInstance();

private:
    std::optional<CheckInputs> Identify(const MainSetupHooks& hooks);

    std::u16string commandLine_;
    Win32Platform platform_;  // holds the instance mutex until the application object goes
    VT5Record vt5_;
    // Kept for the whole run and never released: the driver stays loaded for the next start.
    std::unique_ptr<CPorvikDriver> driver_;
};

}  // namespace veltra
