#include "support/message_log.h"

#include <utility>

namespace veltra::winetest {

std::ostream& operator<<(std::ostream& out, const LoggedMessage& message) {
    return out << "{0x" << std::hex << message.message << ", 0x" << message.wParam << ", 0x" << message.lParam
               << std::dec << "}";
}

RecordingWindow::RecordingWindow(std::set<UINT> interesting) : interesting_(std::move(interesting)) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &RecordingWindow::WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"Veltra.RecordingWindow";
    RegisterClassW(&windowClass);
    window_ = CreateWindowExW(0, windowClass.lpszClassName, L"recording", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
}

RecordingWindow::~RecordingWindow() { DestroyWindow(window_); }

LRESULT CALLBACK RecordingWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self != nullptr && self->interesting_.contains(message)) self->log_.push_back({message, wParam, lParam});
    return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<LoggedMessage> TakePosted(HWND window) {
    std::vector<LoggedMessage> posted;
    MSG message;
    // Posted messages only: a pending WM_PAINT would come back for ever.
    while (PeekMessageW(&message, window, 0, 0, PM_REMOVE | PM_QS_POSTMESSAGE))
        if (message.message != WM_TIMER) posted.push_back({message.message, message.wParam, message.lParam});
    return posted;
}

}  // namespace veltra::winetest
