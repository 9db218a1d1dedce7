#include <algorithm>
#include <map>
#include <memory>

#include "core/categories.h"
#include "core/debug_log.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "catalogue/check_context.h"
#include "catalogue/checks.h"
#include "catalogue/device_tables.h"
#include "catalogue/text_compare.h"
#include "catalogue/text_mode_reader.h"
#include "catalogue/version_rules.h"
#include "platform/code_page.h"

namespace veltra {
namespace {

// The drivers for this system, grouped by driver key, each group in file order. Read once,
// so a device with many table rows costs no further pass over the driver list.
std::map<std::string, std::vector<DriverRow>> DriversByKey(IFile& driverList, const std::string& osCode) {
    TextModeReader reader(driverList);
    std::map<std::string, std::vector<DriverRow>> groups;
    for (DriverRow& row : ReadDriverTable(reader)) {
        if (row.IsForSystem(osCode)) groups[FoldedAtoZ(row.driverKey)].push_back(std::move(row));
    }
    return groups;
}

bool OpenVidDidTable(CheckContext& context) {
    const std::u16string path = CatalogueFolder(context.vt5.sWorkPath) + u"VIDDID.rec";
    context.dbf.VT5_VIDDID.reset();
    if (context.fileSystem.Exists(path)) context.dbf.VT5_VIDDID = context.fileSystem.Open(path, FileOpenMode::ReadOnly);
    return context.dbf.VT5_VIDDID != nullptr;
}

// Writes the result of one driver unless the installed version is already as new.
bool OfferDriver(CheckContext& context, const DriverRow& driver) {
    ICodePage& codePage = context.codePage;
    const std::u16string installed = context.installed.GetInstalledVersion(driver.name);
    const std::u16string online = codePage.FromAnsi(driver.version);
    if (!installed.empty() && !IsOrdinalLower(installed, online)) return false;
    const CheckRecord record = context.writer.Write(
        {kCategoryMbDriver, codePage.FromAnsi(driver.name), installed.empty() ? u"Unknown" : installed, online,
         u"Unknown", codePage.FromAnsi(driver.size), codePage.FromAnsi(driver.webPath)});
    LogCheckRecord(record, codePage);
    return true;
}

}  // namespace

int Check_LD(CheckContext& context) {
    DebugLog(u"Run Check_LD()....1");
    if (!context.dbf.VT5_LD) {
        DebugLog(u"fail ... DBF.VT5_LD == NULL");
        return 0;
    }
    if (!OpenVidDidTable(context)) return 0;
    const std::vector<VidDidRow> deviceRows = ReadVidDidTable(*context.dbf.VT5_VIDDID);
    const auto usable = std::count_if(deviceRows.begin(), deviceRows.end(), [](const VidDidRow& row) { return row.IsUsable(); });
    const VT5Record& vt5 = context.vt5;
    DebugLog(u"iVIDDID_cnt = " + DecimalText(usable) + u"\n\tiTotalPCI = " + DecimalText(static_cast<long long>(vt5.saPciIds.size())));
    const auto drivers = DriversByKey(*context.dbf.VT5_LD, context.codePage.ToAnsi(vt5.sOSCode));
    int results = 0;
    for (const std::u16string& pciId : vt5.saPciIds) {
        const std::string device = context.codePage.ToAnsi(pciId);
        for (const VidDidRow& row : deviceRows) {
            if (!row.IsUsable() || row.deviceIds.find(device) == std::string::npos) continue;
            const auto group = drivers.find(FoldedAtoZ(row.driverKey));
            if (group == drivers.end()) continue;
            for (const DriverRow& driver : group->second) results += OfferDriver(context, driver) ? 1 : 0;
        }
    }
    DebugLog(u"iResult = " + DecimalText(results));
    return results;
}

}  // namespace veltra
