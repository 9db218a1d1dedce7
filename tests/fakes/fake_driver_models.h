#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fakes/fake_devices.h"

namespace veltra::fakes {

// The port and memory I/O driver over a small model machine: physical memory bytes
// (unset bytes read 0xFF), PCI configuration spaces per function (absent functions read
// all ones) and I/O ports.
class FakePorvikDevice final : public FakeDriverDevice {
public:
    void SetMemory(std::uint32_t address, const std::vector<std::uint8_t>& bytes);
    // One function's configuration space; address = bus * 256 + device * 8 + function.
    void SetPciDword(std::uint32_t pciAddress, std::uint32_t offset, std::uint32_t value);

    std::map<std::uint16_t, std::uint8_t> ports;
    std::vector<std::pair<std::uint16_t, std::uint8_t>> portWrites;

protected:
    bool Answer(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                std::uint32_t& bytesReturned) override;

private:
    bool ReadMemory(std::span<const std::uint8_t> input, std::span<std::uint8_t> output, std::uint32_t& bytesReturned);
    bool ReadPci(std::span<const std::uint8_t> input, std::span<std::uint8_t> output, std::uint32_t& bytesReturned);
    bool ReadPort(std::span<const std::uint8_t> input, std::span<std::uint8_t> output, std::uint32_t& bytesReturned);
    bool WritePort(std::span<const std::uint8_t> input);

    std::map<std::uint32_t, std::uint8_t> memory_;
    std::map<std::uint32_t, std::array<std::uint8_t, 256>> pci_;
};

// The BIOS-access driver: an identification text (empty for a board it does not know)
// and the 1028-byte information record it fills in.
class FakeBiosDevice final : public FakeDriverDevice {
public:
    std::string identification;
    std::array<std::uint8_t, 1028> record{};

    void SetRecordString(int index, const std::string& text);

protected:
    bool Answer(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                std::uint32_t& bytesReturned) override;
};

}  // namespace veltra::fakes
