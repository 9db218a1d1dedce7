#pragma once
#include <functional>
#include <string>

#include "startup/test_modes.h"

namespace veltra {

struct Platform;
struct VT5Record;

// True when the whole command line, upper-cased, is "/REMINDER".
bool IsReminderStart(const std::u16string& commandLine);

struct MainSetupResult {
    TestModes modes;
    bool identified = false;
};

// The main window's own steps between those of the set-up: its icon after the reminder
// argument, its notice label, title and handle after the test modes. Empty for no window.
struct MainSetupHooks {
    std::function<void()> afterReminderArgument;
    std::function<void(const TestModes&)> afterTestModes;
};

// The main dialog's set-up steps that need no window of its own: reminder argument, test
// modes, debug window, then the start-up identification.
MainSetupResult RunMainSetup(Platform& platform, VT5Record& vt5, const std::u16string& commandLine,
                             const MainSetupHooks& hooks = {});

}  // namespace veltra
