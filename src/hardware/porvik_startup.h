#pragma once
#include <memory>

#include "hardware/porvik_driver.h"

namespace veltra {

class IMessageBox;
struct Platform;

// Creates the process's one client of the port and memory I/O driver. When the driver
// cannot be loaded it shows why in `messages` and ends the process with exit code 0;
// the result is then null and the caller stops.
std::unique_ptr<CPorvikDriver> CreatePorvikDriver(Platform& platform, IMessageBox& messages);

}  // namespace veltra
