#include "platform/win32/win32_wmi.h"

#include <windows.h>
#include <wbemidl.h>

#include "platform/win32/wide.h"

namespace veltra {
namespace {

// A BSTR owned for the length of one call.
class ScopedBstr {
public:
    explicit ScopedBstr(const std::u16string& text) : value_(SysAllocString(ToWide(text).c_str())) {}
    ~ScopedBstr() { SysFreeString(value_); }
    ScopedBstr(const ScopedBstr&) = delete;
    ScopedBstr& operator=(const ScopedBstr&) = delete;
    BSTR Get() const { return value_; }

private:
    BSTR value_;
};

template <typename T>
void Release(T*& object) {
    if (object != nullptr) object->Release();
    object = nullptr;
}

WmiValue ValueOf(const VARIANT& variant) {
    switch (variant.vt) {
        case VT_BSTR:
            if (variant.bstrVal == nullptr) return {WmiValueType::String, {}, 0};
            return {WmiValueType::String, FromWide(std::wstring_view(variant.bstrVal, SysStringLen(variant.bstrVal))), 0};
        case VT_I4: return {WmiValueType::Int32, {}, static_cast<std::int32_t>(variant.lVal)};
        default: return {WmiValueType::Other, {}, 0};
    }
}

WmiValue PropertyOf(IWbemClassObject& instance, const std::u16string& property) {
    VARIANT variant;
    VariantInit(&variant);
    instance.Get(ToWide(property).c_str(), 0, &variant, nullptr, nullptr);
    WmiValue value = ValueOf(variant);
    VariantClear(&variant);
    return value;
}

}  // namespace

Win32Wmi::Win32Wmi() {
    comInitialised_ = SUCCEEDED(CoInitialize(nullptr));
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_CONNECT, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr,
                         EOAC_NONE, nullptr);
    lastResult_ = CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_ALL, IID_IWbemLocator,
                                   reinterpret_cast<void**>(&locator_));
    if (FAILED(lastResult_)) return;
    const ScopedBstr resource(u"root\\cimv2");
    lastResult_ = locator_->ConnectServer(resource.Get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr, &services_);
}

Win32Wmi::~Win32Wmi() {
    for (auto& [className, instance] : firstInstances_) Release(instance);
    Release(services_);
    Release(locator_);
    if (comInitialised_) CoUninitialize();
}

// Each class is enumerated once and its first instance kept for the other properties: under
// Wine an enumeration of the video controllers starts the graphics side of the display,
// which costs a console program more than all of its identification.
IWbemClassObject* Win32Wmi::FirstInstance(const std::u16string& className) {
    const auto known = firstInstances_.find(className);
    if (known != firstInstances_.end()) return known->second;
    IWbemClassObject* first = nullptr;
    IEnumWbemClassObject* instances = nullptr;
    const ScopedBstr classText(className);
    lastResult_ = services_->CreateInstanceEnum(classText.Get(), static_cast<long>(WBEM_FLAG_SHALLOW) | static_cast<long>(WBEM_FLAG_FORWARD_ONLY),
                                                nullptr,
                                                &instances);
    if (SUCCEEDED(lastResult_) && instances != nullptr) {
        ULONG returned = 0;
        lastResult_ = instances->Next(static_cast<LONG>(WBEM_INFINITE), 1, &first, &returned);
        if (lastResult_ != WBEM_S_NO_ERROR || returned != 1) Release(first);
    }
    Release(instances);
    firstInstances_.emplace(className, first);
    return first;
}

WmiValue Win32Wmi::FirstInstanceProperty(const std::u16string& className, const std::u16string& property) {
    if (services_ == nullptr) return {};
    IWbemClassObject* first = FirstInstance(className);
    return first == nullptr ? WmiValue{} : PropertyOf(*first, property);
}

}  // namespace veltra
