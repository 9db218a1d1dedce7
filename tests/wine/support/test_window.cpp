#include "support/test_window.h"

namespace veltra::winetest {
namespace {

constexpr wchar_t kClassName[] = L"VeltraTestWindow";

void RegisterTestClass() {
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClassName;
        return RegisterClassW(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

TestWindow::TestWindow(const std::wstring& title) {
    RegisterTestClass();
    window_ = CreateWindowExW(0, kClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
}

std::wstring WindowText(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}

namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring MessageBoxText(HWND box) {
    // The message is the static control with id 0xFFFF.
    wchar_t buffer[1024] = {};
    GetDlgItemTextW(box, 0xFFFF, buffer, 1024);
    return buffer;
}

void DismissMessageBox(HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); }

HWND VisibleMainWindowOf(DWORD processId) {
    for (HWND window : VisibleWindowsOf(processId)) {
        if (WindowText(window) == L"NORVA Veltra 5") return window;
    }
    return nullptr;
}

void EndMainWindow(HWND window) { PostMessageW(window, WM_COMMAND, IDOK, 0); }

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
    if (RegCreateKeyExW(root_, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
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
