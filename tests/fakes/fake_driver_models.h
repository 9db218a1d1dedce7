#pragma once
#include <cstdint>

#include "fakes/fake_devices.h"
#include "fakes/model_machine.h"

namespace veltra::fakes {

// The port and memory I/O driver: its own model code answers each request from a model machine.
class FakePorvikDevice final : public FakeDriverDevice {
public:
    explicit FakePorvikDevice(ModelMachine& machine) : machine_(machine) {}

protected:
    bool Answer(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                std::uint32_t& bytesReturned) override;

private:
    ModelMachine& machine_;
};

// The BIOS-access driver on a board it does not know: it identifies nothing.
class FakeBiosDevice final : public FakeDriverDevice {
protected:
    bool Answer(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                std::uint32_t& bytesReturned) override;
};

}  // namespace veltra::fakes
