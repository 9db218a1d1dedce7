#include "controls/win32/control.h"

#include <mutex>
#include <unordered_map>

#include "core/guarded_callback.h"
namespace veltra {

namespace {

// The object of each window we took over, kept in the process: a window property would
// be a round trip to the window server under Wine on every message the control gets.
// Never destroyed, so controls that outlive main still find it.
struct Objects {
    std::mutex lock;
    std::unordered_map<HWND, CControl*> byWindow;
};
Objects& TakenOver() {
    static auto* objects = new Objects;
    return *objects;
}

}  // namespace

CControl::~CControl() { Release(); }

bool CControl::Attach(HWND dialog, int id) { return Subclass(GetDlgItem(dialog, id)); }

bool CControl::Create(HWND parent, int id, const wchar_t* windowClass, DWORD style, int x, int y, int width,
                      int height, const wchar_t* text) {
    HWND window = CreateWindowExW(0, windowClass, text, style | WS_CHILD, x, y, width, height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                                  nullptr);
    if (window != nullptr) SendMessageW(window, WM_SETFONT, SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
    return Subclass(window);
}

void CControl::Place(int x, int y, int width, int height) const {
    SetWindowPos(window_, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

CControl* CControl::FromHandle(HWND window) {
    Objects& objects = TakenOver();
    const std::lock_guard guard(objects.lock);
    const auto found = objects.byWindow.find(window);
    return found != objects.byWindow.end() ? found->second : nullptr;
}

std::vector<CControl*> CControl::TakenOverChildren(HWND parent) {
    Objects& objects = TakenOver();
    const std::lock_guard guard(objects.lock);
    std::vector<CControl*> children;
    for (const auto& [window, control] : objects.byWindow)
        if (GetParent(window) == parent) children.push_back(control);
    return children;
}

bool CControl::Reflect(HWND parent, UINT message, LPARAM lParam, LRESULT& result) {
    if (message == WM_DRAWITEM) {
        auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        CControl* control = FromHandle(item.hwndItem);
        result = TRUE;
        return control != nullptr && control->OnDrawItem(item);
    }
    if (message == WM_MEASUREITEM) {
        auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
        CControl* control = FromHandle(GetDlgItem(parent, static_cast<int>(item.CtlID)));
        result = TRUE;
        return control != nullptr && control->OnMeasureItem(item);
    }
    return false;
}

LRESULT CControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

LRESULT CPaintedControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(Handle(), &paint);
        Paint(dc);
        EndPaint(Handle(), &paint);
        return 0;
    }
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wParam)); return 0;
    case WM_ERASEBKGND: return TRUE;
    default: return Default(message, wParam, lParam);
    }
}

LRESULT CControl::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(original_, window_, message, wParam, lParam);
}

bool CControl::Subclass(HWND window) {
    if (window == nullptr) return false;
    Release();
    window_ = window;
    {
        const std::lock_guard guard(TakenOver().lock);
        TakenOver().byWindow[window] = this;
    }
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CControl::SubclassProc)));
    OnAttached();
    return true;
}

void CControl::Release() {
    if (window_ == nullptr) return;
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    {
        const std::lock_guard guard(TakenOver().lock);
        TakenOver().byWindow.erase(window_);
    }
    window_ = nullptr;
}

LRESULT CALLBACK CControl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto answer = [&]() -> LRESULT {
        CControl* self = FromHandle(window);
        if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            WNDPROC original = self->original_;
            self->Release();
            return CallWindowProcW(original, window, message, wParam, lParam);
        }
        return self->WindowProc(message, wParam, lParam);
    };
    return AnswerOrDefault("a control's window procedure", answer,
                           [&]() -> LRESULT { return DefWindowProcW(window, message, wParam, lParam); });
}

std::wstring CControl::Text() const {
    const int length = GetWindowTextLengthW(window_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(window_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace veltra
