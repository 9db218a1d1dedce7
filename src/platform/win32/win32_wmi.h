#pragma once
#include <map>
#include <string>

#include "platform/wmi.h"

struct IWbemClassObject;
struct IWbemLocator;
struct IWbemServices;

namespace veltra {

// The management instrumentation over COM, connected to "root\cimv2" on construction. A
// failed connection leaves every answer empty. The first instance of each class is read
// once and answers every later property of that class.
class Win32Wmi final : public IWmi {
public:
    Win32Wmi();
    ~Win32Wmi() override;
    Win32Wmi(const Win32Wmi&) = delete;
    Win32Wmi& operator=(const Win32Wmi&) = delete;

    WmiValue FirstInstanceProperty(const std::u16string& className, const std::u16string& property) override;
    // The result of the last connection or enumeration call.
    long LastResult() const { return lastResult_; }

private:
    IWbemClassObject* FirstInstance(const std::u16string& className);

    bool comInitialised_ = false;
    long lastResult_ = 0;
    IWbemLocator* locator_ = nullptr;
    IWbemServices* services_ = nullptr;
    std::map<std::u16string, IWbemClassObject*> firstInstances_;  // null: no instance
};

}  // namespace veltra
