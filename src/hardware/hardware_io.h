#pragma once
#include <cstddef>
#include <cstdint>

namespace veltra {

// The requests of the port and memory I/O driver that the hardware readers use. The
// driver client implements it; the readers take it so they can be tested on a model machine.
class IHardwareIo {
public:
    virtual ~IHardwareIo() = default;
    // Bytes read (unitSize * unitCount) when the driver returned exactly that many, else 0.
    virtual std::size_t ReadMemory(std::uint32_t physicalAddress, std::uint32_t unitSize, std::uint32_t unitCount,
                                   std::uint8_t* destination) = 0;
    // 0xFFFFFFFF for an absent function or a failed request.
    virtual std::uint32_t ReadPciConfigDword(std::uint32_t bus, std::uint32_t device, std::uint32_t function,
                                             std::uint32_t offset) = 0;
    virtual std::uint8_t ReadPortByte(std::uint16_t port) = 0;
    virtual void WritePortByte(std::uint16_t port, std::uint8_t value) = 0;
};

}  // namespace veltra
