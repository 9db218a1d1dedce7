#include "schedule/win32/sys_tray_icon.h"

#include <algorithm>
#include <cwchar>
#include <new>

#include "core/guarded_callback.h"
namespace veltra {

namespace {

const wchar_t kWindowClass[] = L"Veltra.SysTrayWnd";
// The record as the shell of every supported Windows reads it (no GUID or balloon icon).
constexpr DWORD kRecordSize = NOTIFYICONDATAW_V2_SIZE;
constexpr UINT kShownFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

void RegisterWindowClass() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassW(&windowClass);  // fails harmlessly when registered already
}

}  // namespace

CSysTrayWnd::CSysTrayWnd(CSysTrayIcon& owner) : owner_(owner) {
    RegisterWindowClass();
    window_ = CreateWindowExW(0, kWindowClass, L"", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CSysTrayWnd::WindowProc));
}

CSysTrayWnd::~CSysTrayWnd() {
    if (window_ == nullptr) return;
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT CALLBACK CSysTrayWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto answer = [&]() -> LRESULT {
        auto* self = reinterpret_cast<CSysTrayWnd*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message == CSysTrayIcon::kCallbackMessage) {
            self->owner_.OnTrayNotify(static_cast<UINT>(wParam), static_cast<UINT>(lParam));
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    };
    return AnswerOrDefault("the tray window", answer,
                           [&]() -> LRESULT { return DefWindowProcW(window, message, wParam, lParam); });
}

CSysTrayIcon::CSysTrayIcon(NotifyFunction notify) : notify_(notify), window_(*this) {}

CSysTrayIcon::~CSysTrayIcon() {
    while (!icons_.empty()) RemoveIcon(icons_.back()->uID);
}

NOTIFYICONDATAW* CSysTrayIcon::Find(UINT id) const {
    auto found = std::find_if(icons_.begin(), icons_.end(), [id](const auto& icon) { return icon->uID == id; });
    return found != icons_.end() ? found->get() : nullptr;
}

bool CSysTrayIcon::AddIcon(HICON icon, const std::wstring& tip) {
    if (Find(kIconId) != nullptr) return true;
    if (icon == nullptr) return false;
    auto record = std::unique_ptr<NOTIFYICONDATAW>(new (std::nothrow) NOTIFYICONDATAW{});
    if (record == nullptr) return false;
    record->cbSize = kRecordSize;
    record->hWnd = window_.Handle();
    record->uID = kIconId;
    record->uCallbackMessage = kCallbackMessage;
    record->hIcon = icon;
    wcsncpy(record->szTip, tip.c_str(), std::size(record->szTip) - 1);
    icons_.push_back(std::move(record));
    return true;
}

bool CSysTrayIcon::ShowIcon() {
    NOTIFYICONDATAW* record = Find(kIconId);
    if (record == nullptr) return false;
    const DWORD command = record->uFlags == 0 ? NIM_ADD : NIM_MODIFY;
    record->uFlags = kShownFlags;
    return notify_(command, record) != FALSE;
}

bool CSysTrayIcon::RemoveIcon(UINT id) {
    NOTIFYICONDATAW* record = Find(id);
    if (record == nullptr) return false;
    record->uFlags = 0;
    const bool removed = notify_(NIM_DELETE, record) != FALSE;
    std::erase_if(icons_, [record](const auto& icon) { return icon.get() == record; });
    return removed;
}

void CSysTrayIcon::OnTrayNotify(UINT id, UINT mouseMessage) {
    POINT cursor{};
    GetCursorPos(&cursor);
    const int x = cursor.x, y = cursor.y;
    switch (mouseMessage) {
    case WM_MOUSEMOVE: OnMouseMove(id, x, y); break;
    case WM_LBUTTONDOWN: OnLButtonDown(id, x, y); break;
    case WM_LBUTTONUP: OnLButtonUp(id, x, y); break;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(id, x, y); break;
    case WM_RBUTTONDOWN: OnRButtonDown(id, x, y); break;
    case WM_RBUTTONUP: OnRButtonUp(id, x, y); break;
    case WM_RBUTTONDBLCLK: OnRButtonDblClk(id, x, y); break;
    case WM_MBUTTONDOWN: OnMButtonDown(id, x, y); break;
    case WM_MBUTTONUP: OnMButtonUp(id, x, y); break;
    case WM_MBUTTONDBLCLK: OnMButtonDblClk(id, x, y); break;
    default: break;
    }
}

}  // namespace veltra
