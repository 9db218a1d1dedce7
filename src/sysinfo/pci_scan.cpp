#include "sysinfo/pci_scan.h"

#include <algorithm>
#include <array>

#include "core/debug_log.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "hardware/pci_walk.h"

namespace veltra {
namespace {

struct DeviceClass {
    std::uint16_t value;
    const char16_t* label;
};

// The labels are padded so the arrows line up in the log.
constexpr std::array<DeviceClass, 9> kClassesOfInterest{{
    {0x0180, u"Silicon  -> "},
    {0x0104, u"RAID     -> "},
    {0x0101, u"IDE      -> "},
    {0x0200, u"NetWork  -> "},
    {0x0C05, u"SMBUS    -> "},
    {0x0403, u"HD audio -> "},
    {0x0300, u"SVGA     -> "},
    {0x0106, u"SATA     -> "},
    {0x0108, u"NVMe     -> "},
}};

const DeviceClass* ClassOfInterest(std::uint16_t value) {
    const auto found = std::find_if(kClassesOfInterest.begin(), kClassesOfInterest.end(),
                                    [value](const DeviceClass& entry) { return entry.value == value; });
    return found == kClassesOfInterest.end() ? nullptr : &*found;
}

}  // namespace

std::u16string PciIdText(std::uint32_t idRegister) {
    return u"VEN_" + HexText(idRegister & 0xFFFF, 4) + u"&DEV_" + HexText(idRegister >> 16, 4);
}

void AddPciId(std::vector<std::u16string>& ids, const std::u16string& id) {
    const bool known = std::any_of(ids.begin(), ids.end(), [&id](const std::u16string& entry) { return Contains(entry, id); });
    if (!known) ids.push_back(id);
}

void Scan_PCI(PciBus& pci, VT5Record& vt5) {
    DebugLog(u"");
    DebugLog(u"========== Scan_PCI() ==========");
    WalkPci(pci, [&](const PciFunction& found) {
        const DeviceClass* deviceClass = ClassOfInterest(found.ClassValue());
        if (deviceClass == nullptr) return false;
        const std::u16string id = PciIdText(ReadPciRegister(pci.Io(), found, kPciIdRegister));
        AddPciId(vt5.saPciIds, id);
        DebugLog(deviceClass->label + id);
        return false;
    });
}

}  // namespace veltra
