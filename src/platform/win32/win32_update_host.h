#pragma once
#include "platform/message_pump.h"
#include "platform/program_starter.h"

namespace veltra {

class Win32ProgramStarter final : public IProgramStarter {
public:
    // CreateProcessW, with its errors told as WinExec tells them.
    unsigned Start(const std::u16string& program, const std::u16string& commandLine,
                   const std::optional<ExpectedFile>& expected) override;
};

// Dispatches the thread's messages, sleeping until one arrives, until the condition holds.
class Win32MessagePump final : public IMessagePump {
public:
    void PumpUntil(const std::function<bool()>& done) override;
};

}  // namespace veltra
