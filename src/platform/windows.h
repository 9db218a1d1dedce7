#pragma once
#include <cstdint>
#include <string>

namespace veltra {

// An opaque top-level or child window; 0 means none.
using WindowHandle = std::uintptr_t;

// The few window operations the logic needs on windows of other processes.
class IWindows {
public:
    virtual ~IWindows() = default;
    virtual WindowHandle FindTopLevelByTitle(const std::u16string& title) = 0;
    virtual WindowHandle FindTopLevelByClass(const std::u16string& className) = 0;
    virtual void SetPosition(WindowHandle window, int x, int y, int width, int height) = 0;
    virtual void SetTitle(WindowHandle window, const std::u16string& title) = 0;
    virtual WindowHandle FirstChild(WindowHandle window) = 0;
    // Delivers one character synchronously (WM_CHAR); a null window ignores it.
    virtual void SendChar(WindowHandle window, char16_t unit) = 0;
    virtual void PostClose(WindowHandle window) = 0;
};

}  // namespace veltra
