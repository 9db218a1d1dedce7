#include "cli/fleet_report.h"

#include <algorithm>
#include <array>
#include <set>

#include "core/categories.h"
#include "core/text.h"

namespace veltra {
namespace {

// The order the checks run in, so a report reads like each PC's own list.
int CategoryRank(const std::string& type) {
    constexpr std::array<int, 6> kCheckOrder = {kCategoryMbBios,     kCategoryMbDriver,     kCategoryVgaDriver,
                                                kCategoryVgaBios,    kCategoryMakerUtility, kCategoryOtherUtility};
    for (std::size_t rank = 0; rank < kCheckOrder.size(); ++rank) {
        if (Utf16ToUtf8(CategoryName(kCheckOrder[rank])) == type) return static_cast<int>(rank);
    }
    return static_cast<int>(kCheckOrder.size());
}

}  // namespace

void FleetReportBuilder::AddPc(std::string file, std::string board, std::string biosVersion,
                               const std::vector<FleetResult>& results) {
    PendingPc pending{FleetPc{std::move(file), std::move(board), std::move(biosVersion), {}}, {}};
    std::set<const Entry*> seen;
    for (const FleetResult& result : results) {
        Key key{CategoryRank(result.type), result.item, result.onlineVersion, result.webPath};
        const auto [entry, added] = updates_.try_emplace(
            std::move(key), Entry{{result.type, result.item, result.onlineVersion, result.webPath, result.size, 0}, 0});
        // A PC listed twice for one entry (two devices with one driver) needs it once.
        if (!seen.insert(&entry->second).second) continue;
        ++entry->second.update.pcCount;
        pending.needs.emplace_back(entry, result.currentVersion);
    }
    pcs_.push_back(std::move(pending));
}

void FleetReportBuilder::AddSkipped(std::string file, std::string reason) {
    skipped_.push_back({std::move(file), std::move(reason)});
}

FleetReport FleetReportBuilder::Finish() {
    FleetReport report;
    for (auto& [key, entry] : updates_) {
        entry.number = report.updates.size();
        report.updates.push_back(entry.update);
    }
    for (PendingPc& pending : pcs_) {
        for (const auto& [entry, current] : pending.needs) pending.pc.needs.push_back({entry->second.number, current});
        std::sort(pending.pc.needs.begin(), pending.pc.needs.end(),
                  [](const FleetNeed& a, const FleetNeed& b) { return a.update < b.update; });
        report.pcs.push_back(std::move(pending.pc));
    }
    report.skipped = std::move(skipped_);
    return report;
}

std::string PcCountText(int count, std::size_t pcTotal) {
    return std::to_string(count) + " of " + std::to_string(pcTotal) + (pcTotal == 1 ? " PC" : " PCs");
}

JsonValue FleetJson(const FleetReport& report) {
    JsonValue::Array updates;
    std::vector<JsonValue::Array> filesOf(report.updates.size());
    JsonValue::Array pcs;
    for (const FleetPc& pc : report.pcs) {
        JsonValue::Array needs;
        for (const FleetNeed& need : pc.needs) {
            filesOf[need.update].push_back(pc.file);
            JsonValue entry;
            entry.Add("number", static_cast<int>(need.update + 1));
            entry.Add("currentVersion", need.currentVersion);
            needs.push_back(std::move(entry));
        }
        JsonValue entry;
        entry.Add("file", pc.file);
        entry.Add("board", pc.board);
        entry.Add("biosVersion", pc.biosVersion);
        entry.Add("updates", std::move(needs));
        pcs.push_back(std::move(entry));
    }
    for (std::size_t i = 0; i < report.updates.size(); ++i) {
        const FleetUpdate& update = report.updates[i];
        JsonValue entry;
        entry.Add("number", static_cast<int>(i + 1));
        entry.Add("type", update.type);
        entry.Add("item", update.item);
        entry.Add("onlineVersion", update.onlineVersion);
        entry.Add("webPath", update.webPath);
        entry.Add("size", update.size);
        entry.Add("pcCount", update.pcCount);
        entry.Add("files", std::move(filesOf[i]));
        updates.push_back(std::move(entry));
    }
    JsonValue::Array skipped;
    for (const SkippedIdentity& identity : report.skipped) {
        JsonValue entry;
        entry.Add("file", identity.file);
        entry.Add("reason", identity.reason);
        skipped.push_back(std::move(entry));
    }
    JsonValue root;
    root.Add("pcCount", static_cast<int>(report.pcs.size()));
    root.Add("updates", std::move(updates));
    root.Add("pcs", std::move(pcs));
    root.Add("skipped", std::move(skipped));
    return root;
}

}  // namespace veltra
