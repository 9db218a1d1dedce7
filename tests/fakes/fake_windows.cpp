#include "fakes/fake_windows.h"

#include "catalogue/text_compare.h"

namespace veltra::fakes {

WindowHandle FakeWindows::AddTopLevel(const std::u16string& title, const std::u16string& className) {
    const WindowHandle handle = next_++;
    windows_[handle] = Window{title, className, 0, {}};
    return handle;
}

WindowHandle FakeWindows::AddChild(WindowHandle parent, const std::u16string& className) {
    const WindowHandle handle = next_++;
    windows_[handle] = Window{{}, className, parent, {}};
    return handle;
}

WindowHandle FakeWindows::FindTopLevel(const std::function<bool(const Window&)>& matches) {
    for (const auto& [handle, window] : windows_) {
        if (window.parent == 0 && matches(window)) return handle;
    }
    return 0;
}

// FindWindowW compares titles and classes without regard to case.
WindowHandle FakeWindows::FindTopLevelByTitle(const std::u16string& title) {
    return FindTopLevel([&](const Window& window) { return EqualsFoldingAtoZ(window.title, title); });
}

WindowHandle FakeWindows::FindTopLevelByClass(const std::u16string& className) {
    return FindTopLevel([&](const Window& window) { return EqualsFoldingAtoZ(window.className, className); });
}

void FakeWindows::SetPosition(WindowHandle window, int x, int y, int width, int height) {
    auto found = windows_.find(window);
    if (found == windows_.end()) return;
    found->second.x = x;
    found->second.y = y;
    found->second.width = width;
    found->second.height = height;
}

void FakeWindows::SetTitle(WindowHandle window, const std::u16string& title) {
    auto found = windows_.find(window);
    if (found != windows_.end()) found->second.title = title;
}

WindowHandle FakeWindows::FirstChild(WindowHandle window) {
    for (const auto& [handle, candidate] : windows_) {
        if (window != 0 && candidate.parent == window) return handle;
    }
    return 0;
}

void FakeWindows::SendChar(WindowHandle window, char16_t unit) {
    auto found = windows_.find(window);
    if (found == windows_.end()) {
        ++charactersToNullWindow;
        return;
    }
    found->second.text += unit == u'\r' ? std::u16string(u"\r\n") : std::u16string(1, unit);
}

void FakeWindows::PostClose(WindowHandle) {}

}  // namespace veltra::fakes
