#include "hardware/porvik_startup.h"

#include "platform/platform.h"

namespace veltra {
namespace {

constexpr char16_t kTitle[] = u"Veltra 5";

std::unique_ptr<CPorvikDriver> Abandon(Platform& platform, IMessageBox& messages, const std::u16string& message) {
    messages.Show(message, kTitle);
    platform.processExit.Exit(0);
    return nullptr;
}

}  // namespace

std::unique_ptr<CPorvikDriver> CreatePorvikDriver(Platform& platform, IMessageBox& messages) {
    auto driver = std::make_unique<CPorvikDriver>(platform);
    if (driver->Initialize() != kPorvikOk) return Abandon(platform, messages, u"Driver can't Load !");
    if (driver->Handle() == 0) {
        driver->Release();
        return Abandon(platform, messages, u"Driver Handle Can't Load!!");
    }
    driver->TakeOperationsHandle();
    return driver;
}

}  // namespace veltra
