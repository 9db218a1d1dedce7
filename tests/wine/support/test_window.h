#pragma once
#include <windows.h>

#include <string>

namespace veltra::winetest {

std::wstring WindowText(HWND window);

// Reads and restores one registry value around a test.
class ScopedRegistryValue {
public:
    ScopedRegistryValue(HKEY root, const std::wstring& key, const std::wstring& name);
    ScopedRegistryValue(const ScopedRegistryValue&) = delete;
    ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;
    ~ScopedRegistryValue();
    void Set(const std::wstring& text);
    void Remove();

private:
    HKEY root_;
    std::wstring key_;
    std::wstring name_;
    bool existed_ = false;
    std::wstring original_;
};

}  // namespace veltra::winetest
