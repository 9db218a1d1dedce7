#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace veltra {

class PciBus;
struct VT5Record;

// "VEN_%04X&DEV_%04X" from PCI register 0x00 (vendor low 16 bits, device high 16 bits).
std::u16string PciIdText(std::uint32_t idRegister);

// Appends the id unless an entry already contains it.
void AddPciId(std::vector<std::u16string>& ids, const std::u16string& id);

// Records in saPciIds, in bus, device, function order and without duplicates, the present
// functions of the classes that board drivers exist for; one debug line per function.
void Scan_PCI(PciBus& pci, VT5Record& vt5);

}  // namespace veltra
