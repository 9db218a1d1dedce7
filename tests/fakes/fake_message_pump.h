#pragma once
#include "fakes/fake_url_transfers.h"
#include "platform/message_pump.h"

namespace veltra::fakes {

// The message loop over the model URL service: each turn delivers the running transfer's
// progress and end, which may start the next one.
class FakeMessagePump final : public IMessagePump {
public:
    explicit FakeMessagePump(FakeUrlTransfers& transfers) : transfers_(transfers) {}
    void PumpUntil(const std::function<bool()>& done) override {
        while (!done() && transfers_.HasWorker()) transfers_.RunWorker();
    }

private:
    FakeUrlTransfers& transfers_;
};

}  // namespace veltra::fakes
