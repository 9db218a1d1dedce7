#pragma once
#include <cstdint>

#include "fakes/fake_devices.h"
#include "fakes/model_machine.h"

namespace veltra::fakes {

// The port and memory I/O driver: it decodes each request's packed little-endian buffer
// and answers from a model machine (memory, PCI configuration space, the SMBus ports).
class FakePorvikDevice final : public FakeDriverDevice {
public:
    explicit FakePorvikDevice(ModelMachine& machine) : machine_(machine) {}

protected:
    bool Answer(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                std::uint32_t& bytesReturned) override;

private:
    bool ReadMemory(std::span<const std::uint8_t> input, std::span<std::uint8_t> output, std::uint32_t& bytesReturned);
    bool ReadPci(std::span<const std::uint8_t> input, std::span<std::uint8_t> output, std::uint32_t& bytesReturned);
    bool ReadPort(std::span<const std::uint8_t> input, std::span<std::uint8_t> output, std::uint32_t& bytesReturned);
    bool WritePort(std::span<const std::uint8_t> input);

    ModelMachine& machine_;
};

// The BIOS-access driver on a board it does not know: it identifies nothing.
class FakeBiosDevice final : public FakeDriverDevice {
protected:
    bool Answer(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                std::uint32_t& bytesReturned) override;
};

}  // namespace veltra::fakes
