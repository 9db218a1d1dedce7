#pragma once
#include <ostream>

#include "platform/message_box.h"

namespace veltra {

// The console front end's message box: "veltra-cli: <text>" as a UTF-8 line on a stream.
class StreamMessageBox final : public IMessageBox {
public:
    explicit StreamMessageBox(std::ostream& stream) : stream_(stream) {}
    void Show(const std::u16string& text, const std::u16string& title) override;
    void ShowStop(const std::u16string& text, const std::u16string& title) override { Show(text, title); }

private:
    std::ostream& stream_;
};

}  // namespace veltra
