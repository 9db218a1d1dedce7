#include <array>
#include <utility>

#include "core/categories.h"
#include "core/debug_log.h"
#include "core/vt5_record.h"
#include "catalogue/catalogue_kinds.h"
#include "catalogue/check_context.h"
#include "catalogue/checks.h"
#include "catalogue/text_compare.h"
#include "catalogue/version_rules.h"
#include "sysinfo/vga_info.h"

namespace veltra {
namespace {

constexpr std::array<std::pair<std::u16string_view, int>, 7> kSystemBits = {{
    {u"W2K", 0x20}, {u"XP32", 0x80}, {u"XP64", 0x100}, {u"V32", 0x200},
    {u"V64", 0x400}, {u"W732", 0x800}, {u"W764", 0x1000},
}};

int SystemMask(const std::u16string& systems) {
    int mask = 0;
    for (const auto& [code, bit] : kSystemBits) {
        if (Contains(systems, code)) mask |= bit;
    }
    return mask;
}

// "0x%04X" of the card's device id.
std::u16string CardIdText(std::int32_t deviceId) {
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    std::u16string digits;
    for (auto value = static_cast<std::uint32_t>(deviceId); value != 0 || digits.size() < 4; value >>= 4) {
        digits.insert(digits.begin(), kHex[value & 0xF]);
    }
    return u"0x" + digits;
}

std::u16string InstalledDriverFor(CheckContext& context, const std::u16string& vendor) {
    return Contains(vendor, u"NVIDIA") ? context.installed.NvidiaDriverVersion() : std::u16string();
}

void OfferVgaDriver(CheckContext& context, const CatalogueItem& item) {
    const auto& fields = item.fields;
    const std::u16string installed = InstalledDriverFor(context, item.section);
    if (!installed.empty() && !IsOrdinalLower(installed, fields[kVdDrvVer])) return;
    const CheckRecord record =
        context.writer.Write({kCategoryVgaDriver, item.section, installed.empty() ? u"Unknown" : installed,
                              fields[kVdDrvVer], u"version : " + fields[kVdDrvVer], fields[kVdSize], fields[kVdPath]});
    LogCheckRecord(record, context.codePage);
}

}  // namespace

void Check_LVD(CheckContext& context) {
    const VGAInfo* card = context.vt5.pVGA.get();
    if (card == nullptr) return;
    const std::u16string cardId = CardIdText(card->nDeviceID);
    DebugLog(u"VGA Card ID = " + cardId);
    ScanCatalogueFile(context.dbf.VT5_LVD.get(), VgaDriverListKind(), context.codePage, [&](const CatalogueItem& item) {
        if (!Contains(item.fields[kVdId], cardId)) return;
        if ((SystemMask(item.fields[kVdOs]) & context.vt5.nOS) == 0) return;
        OfferVgaDriver(context, item);
    });
}

void Check_LVB(CheckContext& context) {
    const VGAInfo* card = context.vt5.pVGA.get();
    if (card == nullptr) return;
    ScanCatalogueFile(context.dbf.VT5_LVB.get(), VgaBiosListKind(), context.codePage, [&](const CatalogueItem& item) {
        const auto& fields = item.fields;
        if (!EqualsFoldingAtoZ(item.section, card->sBIOSText)) return;
        if (!IsOrdinalLower(card->sBIOSVersion, fields[kVbNorvaVer])) return;
        const CheckRecord record = context.writer.Write({kCategoryVgaBios, item.section, u"Unknown", fields[kVbNorvaVer],
                                                         u"Unknown", fields[kVbSize], fields[kVbWebPath]});
        LogCheckRecord(record, context.codePage);
    });
}

}  // namespace veltra
