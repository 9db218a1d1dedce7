#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace veltra {

class IHardwareIo;

inline constexpr std::uint32_t kPciAbsent = 0xFFFFFFFF;
inline constexpr std::uint32_t kPciIdRegister = 0x00;
inline constexpr std::uint32_t kPciClassRegister = 0x08;
inline constexpr std::uint32_t kPciBarRegister4 = 0x20;
inline constexpr std::uint32_t kPciSubsystemRegister = 0x2C;

inline constexpr std::uint16_t kPciClassVga = 0x0300;
inline constexpr std::uint16_t kPciClassSmbus = 0x0C05;

inline constexpr std::uint16_t kVendorNvidia = 0x10DE;
inline constexpr std::uint16_t kVendorAti = 0x1002;
inline constexpr std::uint16_t kVendorIntel = 0x8086;

struct PciFunction {
    std::uint32_t bus = 0;
    std::uint32_t device = 0;
    std::uint32_t function = 0;
    std::uint32_t classRegister = 0;  // register 0x08

    // Base class and subclass: the upper 16 bits of register 0x08.
    std::uint16_t ClassValue() const { return static_cast<std::uint16_t>(classRegister >> 16); }
};

// The present PCI functions of the machine, found once and shared by every reader that
// looks for a device: each probe is a driver request, so the bus is walked only once.
class PciBus {
public:
    explicit PciBus(IHardwareIo& io) : io_(io) {}
    PciBus(const PciBus&) = delete;
    PciBus& operator=(const PciBus&) = delete;

    IHardwareIo& Io() const { return io_; }
    // In ascending bus, device, function order; enumerated on the first call.
    const std::vector<PciFunction>& Functions();

private:
    IHardwareIo& io_;
    std::optional<std::vector<PciFunction>> functions_;
};

// Walks the buses in ascending order. Every device of bus 0 and of each bus a PCI-to-PCI
// bridge leads to (its secondary bus, when that lies above the bridge's own bus and not
// above its subordinate bus) is probed. A bus that no bridge's range covers may be the root
// of another host bridge: its device 0 is probed, and when it answers, the whole bus is.
// Functions 1 to 7 only where function 0 is multi-function. A function is present when
// register 0x08 does not read 0xFFFFFFFF.
std::vector<PciFunction> EnumeratePci(IHardwareIo& io);

// Visits the present functions in order; stops at the first for which `visit` returns
// true and returns it.
std::optional<PciFunction> WalkPci(PciBus& pci, const std::function<bool(const PciFunction&)>& visit);

std::uint32_t ReadPciRegister(IHardwareIo& io, const PciFunction& at, std::uint32_t offset);

}  // namespace veltra
