#pragma once
#include <cstdint>
#include <functional>
#include <optional>

namespace veltra {

class IHardwareIo;

inline constexpr std::uint32_t kPciAbsent = 0xFFFFFFFF;
inline constexpr std::uint32_t kPciClassRegister = 0x08;
inline constexpr std::uint32_t kPciIdRegister = 0x00;
inline constexpr std::uint32_t kPciSubsystemRegister = 0x2C;
inline constexpr std::uint32_t kPciBarRegister4 = 0x20;
// Buses probed by the identification walks; the video BIOS reader probes more.
inline constexpr std::uint32_t kPciScanBuses = 17;

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

// Visits every present function (register 0x08 not 0xFFFFFFFF) on buses 0 to busCount - 1,
// devices 0 to 31 and functions 0 to 7, bus outermost. Every function is probed: the
// multi-function bit is not consulted. Stops at the first function for which `visit`
// returns true and returns it.
std::optional<PciFunction> WalkPci(IHardwareIo& io, std::uint32_t busCount,
                                   const std::function<bool(const PciFunction&)>& visit);

std::uint32_t ReadPciRegister(IHardwareIo& io, const PciFunction& at, std::uint32_t offset);

}  // namespace veltra
