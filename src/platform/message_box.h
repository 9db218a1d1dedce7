#pragma once
#include <string>

namespace veltra {

// A modal message box with no owner and an OK button.
class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    virtual void Show(const std::u16string& text, const std::u16string& title) = 0;
    // The same with the stop icon, for errors.
    virtual void ShowStop(const std::u16string& text, const std::u16string& title) = 0;
};

}  // namespace veltra
