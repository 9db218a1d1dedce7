#include "support/test_window.h"

namespace veltra::winetest {

std::wstring WindowText(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}

ScopedRegistryValue::ScopedRegistryValue(HKEY root, const std::wstring& key, const std::wstring& name)
    : root_(root), key_(key), name_(name) {
    wchar_t buffer[2048] = {};
    DWORD size = sizeof(buffer) - sizeof(wchar_t);
    existed_ = RegGetValueW(root_, key_.c_str(), name_.c_str(), RRF_RT_REG_SZ, nullptr, buffer, &size) == ERROR_SUCCESS;
    if (existed_) original_ = buffer;
}

ScopedRegistryValue::~ScopedRegistryValue() {
    if (existed_) {
        Set(original_);
    } else {
        Remove();
    }
}

void ScopedRegistryValue::Set(const std::wstring& text) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(root_, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExW(key, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

void ScopedRegistryValue::Remove() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(root_, key_.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, name_.c_str());
    RegCloseKey(key);
}

}  // namespace veltra::winetest
