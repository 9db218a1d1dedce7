#include <windows.h>

#include <vector>

#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace veltra {
namespace {

HKEY RootKey(RegistryRoot root) { return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

}  // namespace

std::optional<std::u16string> Win32Registry::ReadString(RegistryRoot root, const std::u16string& key,
                                                         const std::u16string& value, std::size_t byteCount) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(RootKey(root), ToWide(key).c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    // One spare unit so a stored value without its terminator still ends inside the buffer.
    std::vector<wchar_t> buffer(byteCount / sizeof(wchar_t) + 1, L'\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(byteCount);
    const LONG status = RegQueryValueExW(handle, ToWide(value).c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &size);
    RegCloseKey(handle);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    const std::size_t units = std::min<std::size_t>(size / sizeof(wchar_t), buffer.size() - 1);
    std::wstring text(buffer.data(), units);
    text.resize(wcsnlen(text.c_str(), text.size()));
    return FromWide(text);
}

std::vector<std::u16string> Win32Registry::SubKeyNames(RegistryRoot root, const std::u16string& key) {
    std::vector<std::u16string> names;
    HKEY handle = nullptr;
    if (RegOpenKeyExW(RootKey(root), ToWide(key).c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &handle) != ERROR_SUCCESS) {
        return names;
    }
    // Key names are at most 255 characters.
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(std::size(name));
        if (RegEnumKeyExW(handle, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        names.push_back(FromWide(std::wstring(name, length)));
    }
    RegCloseKey(handle);
    return names;
}

bool Win32Registry::WriteString(RegistryRoot root, const std::u16string& key, const std::u16string& value,
                                const std::u16string& text) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(RootKey(root), ToWide(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const std::wstring wide = ToWide(text);
    // The terminator is stored with the text, as REG_SZ readers expect.
    const DWORD bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
    const LONG status = RegSetValueExW(handle, ToWide(value).c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(wide.c_str()), bytes);
    RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

}  // namespace veltra
