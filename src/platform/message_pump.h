#pragma once
#include <functional>

namespace veltra {

// The message loop of the thread that hosts the page controllers: window messages are
// dispatched until the condition holds.
class IMessagePump {
public:
    virtual ~IMessagePump() = default;
    virtual void PumpUntil(const std::function<bool()>& done) = 0;
};

}  // namespace veltra
