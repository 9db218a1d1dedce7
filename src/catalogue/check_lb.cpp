#include "core/categories.h"
#include "core/debug_log.h"
#include "core/vt5_record.h"
#include "catalogue/catalogue_kinds.h"
#include "catalogue/check_context.h"
#include "catalogue/checks.h"
#include "catalogue/text_compare.h"
#include "catalogue/version_rules.h"

namespace veltra {
namespace {

bool AppliesToThisBoard(const CheckContext& context, const std::u16string& modelToMatch, const CatalogueItem& item) {
    const VT5Record& vt5 = context.vt5;
    const auto& fields = item.fields;
    if (!EqualsFoldingAtoZ(modelToMatch, item.section)) return false;
    if (InVersionRange(vt5.cMB_BIOS_Version, fields[kBiosVerRangeMin], fields[kBiosVerRangeMax],
                       fields[kBiosSkipVer]) == 0) {
        return false;
    }
    if (!context.inputs.dqaTest && !IsNotOlderPrefix(fields[kBiosVersion], vt5.cMB_BIOS_Version)) return false;
    return Contains(vt5.cMB_BIOS_Vendor, fields[kBiosVendor]);
}

}  // namespace

void Check_LB(CheckContext& context) {
    DebugLog(u"Run Check_LB()");
    const VT5Record& vt5 = context.vt5;
    // Boards whose DMI says BIOS major release 4 have their own catalogue entries.
    std::u16string modelToMatch = vt5.cMB_Model;
    if (!context.inputs.dqaTest && context.inputs.dmiBiosMajorRelease4) modelToMatch += u"xx";
    ScanCatalogueFile(context.dbf.VT5_LB.get(), BiosListKind(), context.codePage, [&](const CatalogueItem& item) {
        if (!AppliesToThisBoard(context, modelToMatch, item)) return;
        const auto& fields = item.fields;
        context.writer.Write({kCategoryMbBios, vt5.cMB_Model, vt5.cMB_BIOS_Version, fields[kBiosVersion],
                              fields[kBiosDescription], fields[kBiosSize], fields[kBiosWebPath]});
    });
    DebugLog(u".... End Check_LB");
}

}  // namespace veltra
