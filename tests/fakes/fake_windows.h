#pragma once
#include <functional>
#include <map>
#include <string>

#include "platform/windows.h"

namespace veltra::fakes {

// Top-level windows with a title, a class and child windows; characters sent to a window
// are appended to its text, as an edit control would (a carriage return becomes "\r\n").
class FakeWindows final : public IWindows {
public:
    struct Window {
        std::u16string title;
        std::u16string className;
        WindowHandle parent = 0;
        std::u16string text;
        int x = 0, y = 0, width = 0, height = 0;
    };

    WindowHandle AddTopLevel(const std::u16string& title, const std::u16string& className);
    WindowHandle AddChild(WindowHandle parent, const std::u16string& className);
    Window& Get(WindowHandle window) { return windows_.at(window); }
    int charactersToNullWindow = 0;

    WindowHandle FindTopLevelByTitle(const std::u16string& title) override;
    WindowHandle FindTopLevelByClass(const std::u16string& className) override;
    void SetPosition(WindowHandle window, int x, int y, int width, int height) override;
    void SetTitle(WindowHandle window, const std::u16string& title) override;
    WindowHandle FirstChild(WindowHandle window) override;
    void SendChar(WindowHandle window, char16_t unit) override;
    void PostClose(WindowHandle window) override;

private:
    WindowHandle FindTopLevel(const std::function<bool(const Window&)>& matches);
    std::map<WindowHandle, Window> windows_;
    WindowHandle next_ = 0x100;
};

}  // namespace veltra::fakes
