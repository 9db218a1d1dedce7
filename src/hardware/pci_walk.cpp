#include "hardware/pci_walk.h"

#include "hardware/hardware_io.h"

namespace veltra {

std::optional<PciFunction> WalkPci(IHardwareIo& io, std::uint32_t busCount,
                                   const std::function<bool(const PciFunction&)>& visit) {
    for (std::uint32_t bus = 0; bus < busCount; ++bus) {
        for (std::uint32_t device = 0; device < 32; ++device) {
            for (std::uint32_t function = 0; function < 8; ++function) {
                const std::uint32_t classRegister = io.ReadPciConfigDword(bus, device, function, kPciClassRegister);
                if (classRegister == kPciAbsent) continue;
                const PciFunction found{bus, device, function, classRegister};
                if (visit(found)) return found;
            }
        }
    }
    return std::nullopt;
}

std::uint32_t ReadPciRegister(IHardwareIo& io, const PciFunction& at, std::uint32_t offset) {
    return io.ReadPciConfigDword(at.bus, at.device, at.function, offset);
}

}  // namespace veltra
