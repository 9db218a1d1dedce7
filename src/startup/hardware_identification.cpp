#include "startup/hardware_identification.h"

#include "core/debug_log.h"
#include "core/vt5_record.h"
#include "hardware/bios_id_string.h"
#include "hardware/bios_info_record.h"
#include "hardware/vga_bios_reader.h"
#include "platform/platform.h"
#include "sysinfo/board_wmi.h"
#include "sysinfo/pci_scan.h"
#include "sysinfo/vga_card.h"
#include "sysinfo/vga_info.h"
#include "sysinfo/wmi_query.h"

namespace veltra {
namespace {

constexpr char16_t kUnknown[] = u"UNKNOWN";

void FallBackToManagementIdentity(CWmiQuery& wmi, VT5Record& vt5) {
    if (!vt5.cMB_Model.empty() && !vt5.cMB_BIOS_Version.empty()) return;
    vt5.cMB_BIOS_Vendor = GetBiosVendorByWmi(wmi);
    vt5.cMB_BIOS_Version = GetBiosVersionByWmi(wmi);
    vt5.cMB_Model = GetBoardModelByWmi(wmi);
}

void ReadVideoBiosDetails(HardwareAccess& hardware, ICodePage& codePage, VT5Record& vt5) {
    CVgaBiosReader reader(hardware.pci, [&wmi = hardware.wmi] { return wmi.GetVideoName(); }, codePage);
    reader.Run();
    vt5.pVGA->sCardName = reader.GetAdapterName();
    vt5.pVGA->sBIOSVersion = reader.GetVgaBiosVersion();
}

}  // namespace

void IdentifyBoardFromBiosDriver(const BiosDriverOutcome& outcome, ICodePage& codePage, VT5Record& vt5) {
    if (!outcome.identified) {
        vt5.cMB_BIOS_Version = kUnknown;
        vt5.cMB_Model = kUnknown;
        return;
    }
    ParseBiosIdString(BiosInfoString(outcome.record, kBiosIdStringOffset, codePage), vt5.cMB_Model,
                      vt5.cMB_BIOS_Version);
    vt5.cMB_BIOS_Vendor = BiosInfoString(outcome.record, kBiosVendorOffset, codePage);
    DebugLog(u"VT5.cMB_Model = " + vt5.cMB_Model + u"\n\tVT5.cMB_BIOS_Version = " + vt5.cMB_BIOS_Version +
             u"\n\tVT5.cMB_BIOS_Vendor = " + vt5.cMB_BIOS_Vendor);
}

void RunHardwareIdentification(Platform& platform, HardwareAccess& hardware, const BiosDriverOutcome& outcome,
                               VT5Record& vt5) {
    IdentifyBoardFromBiosDriver(outcome, platform.codePage, vt5);
    Scan_PCI(hardware.pci, vt5);
    IdentifyVgaCard(hardware.pci, platform.codePage, vt5);
    LookupVgaCardList(platform.fileSystem, hardware.wmi, platform.codePage, vt5);
    FallBackToManagementIdentity(hardware.wmi, vt5);
    vt5.sHomeBIOSVersion = vt5.cMB_BIOS_Version;
    vt5.sHomeModel = vt5.cMB_Model;
    ReadVideoBiosDetails(hardware, platform.codePage, vt5);
}

}  // namespace veltra
