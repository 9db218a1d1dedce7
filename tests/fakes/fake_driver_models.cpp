#include "fakes/fake_driver_models.h"

#include "core/byte_buffer.h"
#include "hardware/bios_driver.h"
#include "hardware/porvik_driver.h"

namespace veltra::fakes {

bool FakePorvikDevice::Answer(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                              std::uint32_t& bytesReturned) {
    switch (code) {
        case CPorvikDriver::kQueryOpenCountCode:
            if (!input.empty() || output.size() < 4) return false;
            PutU32(output, 0, static_cast<std::uint32_t>(openHandles));
            bytesReturned = 4;
            return true;
        case CPorvikDriver::kReadMemoryCode: return ReadMemory(input, output, bytesReturned);
        case CPorvikDriver::kReadPciConfigCode: return ReadPci(input, output, bytesReturned);
        case CPorvikDriver::kReadPortByteCode: return ReadPort(input, output, bytesReturned);
        case CPorvikDriver::kWritePortByteCode: return WritePort(input);
        default: return false;
    }
}

bool FakePorvikDevice::ReadMemory(std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                                  std::uint32_t& bytesReturned) {
    if (input.size() != 16 || GetU32(input, 4) != 0) return false;
    const std::uint64_t bytes = std::uint64_t{GetU32(input, 8)} * GetU32(input, 12);
    if (bytes > output.size()) return false;
    // Memory the machine does not serve fails the request, as a driver's mapping would.
    const std::size_t read = machine_.ReadMemory(GetU32(input, 0), GetU32(input, 8), GetU32(input, 12), output.data());
    if (read != bytes) return false;
    bytesReturned = static_cast<std::uint32_t>(bytes);
    return true;
}

bool FakePorvikDevice::ReadPci(std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                               std::uint32_t& bytesReturned) {
    if (input.size() != 8 || output.size() < 4) return false;
    const std::uint32_t address = GetU32(input, 0);
    const std::uint32_t offset = GetU32(input, 4);
    if (offset > 252) return false;
    PutU32(output, 0, machine_.ReadPciConfigDword(address >> 8, (address >> 3) & 0x1F, address & 0x07, offset));
    bytesReturned = 4;
    return true;
}

bool FakePorvikDevice::ReadPort(std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                                std::uint32_t& bytesReturned) {
    if (input.size() != 2 || output.size() < 2) return false;
    output[0] = machine_.ReadPortByte(static_cast<std::uint16_t>(input[0] | (input[1] << 8)));
    output[1] = 0;
    bytesReturned = 2;
    return true;
}

bool FakePorvikDevice::WritePort(std::span<const std::uint8_t> input) {
    if (input.size() != 5 || GetU32(input, 0) > 0xFFFF) return false;
    machine_.WritePortByte(static_cast<std::uint16_t>(GetU32(input, 0)), input[4]);
    return true;
}

bool FakeBiosDevice::Answer(std::uint32_t code, std::span<const std::uint8_t> input, std::span<std::uint8_t> output,
                            std::uint32_t& bytesReturned) {
    // An identification request for a board the driver does not know: an empty answer.
    if (code != kIdentifyBoardCode || !input.empty() || output.size() < 256) return false;
    bytesReturned = 0;
    return true;
}

}  // namespace veltra::fakes
