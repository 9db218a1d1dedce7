#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace veltra::winetest {

// A plain top-level window with a given title, as an engineer's window that switches a mode.
class TestWindow {
public:
    explicit TestWindow(const std::wstring& title);
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    ~TestWindow();
    HWND Handle() const { return window_; }

private:
    HWND window_ = nullptr;
};

std::wstring WindowText(HWND window);

// Visible top-level windows that belong to a process.
std::vector<HWND> VisibleWindowsOf(DWORD processId);

// The text of a message box's message (its static control).
std::wstring MessageBoxText(HWND box);

// Presses OK on a message box.
void DismissMessageBox(HWND box);

// The program's main window ("NORVA Veltra 5") when a process shows it, else null.
HWND VisibleMainWindowOf(DWORD processId);

// Ends the program's main window as its OK command does, without the exit question.
void EndMainWindow(HWND window);

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
