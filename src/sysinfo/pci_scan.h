#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace veltra {

class IHardwareIo;
struct VT5Record;

// "VEN_%04X&DEV_%04X" from PCI register 0x00 (vendor low 16 bits, device high 16 bits).
std::u16string PciIdText(std::uint32_t idRegister);

// Appends the id unless an entry already contains it.
void AddPciId(std::vector<std::u16string>& ids, const std::u16string& id);

// Walks buses 0 to 16 and records in saPciIds, in the order found and without duplicates,
// the devices of the classes that board drivers exist for; one debug line per function.
void Scan_PCI(IHardwareIo& io, VT5Record& vt5);

}  // namespace veltra
