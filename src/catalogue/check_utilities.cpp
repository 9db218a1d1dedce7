#include <algorithm>

#include "core/categories.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "catalogue/catalogue_kinds.h"
#include "catalogue/check_context.h"
#include "catalogue/checks.h"
#include "catalogue/version_rules.h"
#include "platform/code_page.h"

namespace veltra {
namespace {

// Room for the tool name in a result's item field, the name the registry is asked for.
constexpr std::size_t kItemFieldBytes = 49;

bool FitsSystem(const VT5Record& vt5, const std::u16string& systems) {
    // An empty system code is no system the catalogue knows, so only "ALL" fits it.
    return Contains(systems, u"ALL") || (!vt5.sOSCode.empty() && Contains(systems, vt5.sOSCode));
}

// "QB-1234" gives "1234".
std::u16string BoardNumber(std::u16string model) {
    for (std::size_t found = model.find(u"QB-"); found != std::u16string::npos; found = model.find(u"QB-", found)) {
        model.erase(found, 3);
    }
    return model;
}

bool FitsDevices(const VT5Record& vt5, std::u16string devices) {
    if (devices.empty()) return true;
    std::replace(devices.begin(), devices.end(), u'$', u'&');
    return std::any_of(vt5.saPciIds.begin(), vt5.saPciIds.end(),
                       [&](const std::u16string& id) { return Contains(devices, id); });
}

bool FitsThisBoard(const VT5Record& vt5, const CatalogueItem& item) {
    const auto& fields = item.fields;
    const std::u16string board = BoardNumber(vt5.cMB_Model);
    return FitsSystem(vt5, fields[kUtlOs]) && (Contains(fields[kUtlMbid], board) || Contains(fields[kUtlMbid], u"ALL")) &&
           FitsDevices(vt5, fields[kUtlVidDid]);
}

std::u16string InstalledTool(CheckContext& context, const std::u16string& tool) {
    std::string name = context.codePage.ToAnsi(tool);
    if (name.size() > kItemFieldBytes) name.resize(kItemFieldBytes);
    return context.installed.GetInstalledVersion(name);
}

void WriteUtility(CheckContext& context, int code, const CatalogueItem& item, const std::u16string& installed) {
    const auto& fields = item.fields;
    const CheckRecord record =
        context.writer.Write({code, fields[kUtlItem], installed.empty() ? u"Unknown" : installed, fields[kUtlVersion],
                              fields[kUtlDescription], fields[kUtlSize], fields[kUtlWebPath]});
    LogCheckRecord(record, context.codePage);
}

}  // namespace

void Check_LMU(CheckContext& context) {
    ScanCatalogueFile(context.dbf.VT5_LMU.get(), UtilityListKind(), context.codePage, [&](const CatalogueItem& item) {
        if (!FitsThisBoard(context.vt5, item)) return;
        const std::u16string installed = InstalledTool(context, item.fields[kUtlItem]);
        if (!installed.empty() && !IsOrdinalLower(installed, item.fields[kUtlVersion])) return;
        WriteUtility(context, kCategoryMakerUtility, item, installed);
    });
}

void Check_LOU(CheckContext& context) {
    ScanCatalogueFile(context.dbf.VT5_LOU.get(), UtilityListKind(), context.codePage, [&](const CatalogueItem& item) {
        if (!FitsSystem(context.vt5, item.fields[kUtlOs])) return;
        WriteUtility(context, kCategoryOtherUtility, item, InstalledTool(context, item.fields[kUtlItem]));
    });
}

}  // namespace veltra
