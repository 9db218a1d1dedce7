#pragma once
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

namespace veltra {

class CSysTrayIcon;

// The hidden window that receives the notification area's mouse messages for the icons.
class CSysTrayWnd {
public:
    explicit CSysTrayWnd(CSysTrayIcon& owner);
    CSysTrayWnd(const CSysTrayWnd&) = delete;
    CSysTrayWnd& operator=(const CSysTrayWnd&) = delete;
    ~CSysTrayWnd();
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    CSysTrayIcon& owner_;
    HWND window_ = nullptr;
};

// Icons in the notification area with a handler per mouse event, all empty here.
class CSysTrayIcon {
public:
    // How the icons reach the shell; Shell_NotifyIconW unless a caller watches the calls.
    using NotifyFunction = BOOL (*)(DWORD command, NOTIFYICONDATAW* data);
    static constexpr UINT kCallbackMessage = WM_USER + 1;
    static constexpr UINT kIconId = 1;

    static BOOL ShellNotify(DWORD command, NOTIFYICONDATAW* data) { return Shell_NotifyIconW(command, data); }

    explicit CSysTrayIcon(NotifyFunction notify = &ShellNotify);
    CSysTrayIcon(const CSysTrayIcon&) = delete;
    CSysTrayIcon& operator=(const CSysTrayIcon&) = delete;
    virtual ~CSysTrayIcon();

    virtual void OnLButtonDown(UINT /*id*/, int /*x*/, int /*y*/) {}
    virtual void OnRButtonDown(UINT /*id*/, int /*x*/, int /*y*/) {}
    virtual void OnMButtonDown(UINT /*id*/, int /*x*/, int /*y*/) {}
    virtual void OnLButtonUp(UINT /*id*/, int /*x*/, int /*y*/) {}
    virtual void OnRButtonUp(UINT /*id*/, int /*x*/, int /*y*/) {}
    virtual void OnMButtonUp(UINT /*id*/, int /*x*/, int /*y*/) {}
    virtual void OnLButtonDblClk(UINT /*id*/, int /*x*/, int /*y*/) {}
    virtual void OnRButtonDblClk(UINT /*id*/, int /*x*/, int /*y*/) {}
    virtual void OnMButtonDblClk(UINT /*id*/, int /*x*/, int /*y*/) {}
    virtual void OnMouseMove(UINT /*id*/, int /*x*/, int /*y*/) {}

    // Keeps a record for icon 1 (once); false for a null icon.
    bool AddIcon(HICON icon, const std::wstring& tip = L"NORVA Veltra 5");
    // Puts icon 1 into the notification area, or refreshes it when it is there already.
    bool ShowIcon();
    // Takes the icon out of the notification area and forgets its record.
    bool RemoveIcon(UINT id);
    std::size_t IconCount() const { return icons_.size(); }
    HWND Window() const { return window_.Handle(); }

    // A callback message of the hidden window: the mouse event in `mouseMessage`.
    void OnTrayNotify(UINT id, UINT mouseMessage);

private:
    NOTIFYICONDATAW* Find(UINT id) const;

    NotifyFunction notify_;
    CSysTrayWnd window_;
    std::vector<std::unique_ptr<NOTIFYICONDATAW>> icons_;
};

}  // namespace veltra
