#pragma once
#include <cstddef>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "cli/json.h"

namespace veltra {

// One result of one PC's checks, in UTF-8.
struct FleetResult {
    std::string type;
    std::string item;
    std::string currentVersion;
    std::string onlineVersion;
    std::string webPath;
    std::string size;
};

// An update some PCs of the fleet need: one catalogue entry, whatever each PC has now.
struct FleetUpdate {
    std::string type;
    std::string item;
    std::string onlineVersion;
    std::string webPath;
    std::string size;
    int pcCount = 0;

    // "MB BIOS QB-7100 1.30"
    std::string Label() const { return type + " " + item + " " + onlineVersion; }
};

struct FleetNeed {
    std::size_t update;          // index into FleetReport::updates
    std::string currentVersion;  // what the PC has now, as its check found it
};

struct FleetPc {
    std::string file;  // the identity file as it was named
    std::string board;
    std::string biosVersion;
    std::vector<FleetNeed> needs;  // by update index, ascending
};

struct SkippedIdentity {
    std::string file;
    std::string reason;
};

// Every PC by every update it needs. Updates are in the checks' category order (MB BIOS,
// MB Driver, VGA Driver, VGA BIOS, norva Utility, Other Utility), then by item and version;
// PCs in the order they were named.
struct FleetReport {
    std::vector<FleetUpdate> updates;
    std::vector<FleetPc> pcs;
    std::vector<SkippedIdentity> skipped;
};

// Groups the PCs' results into updates.
class FleetReportBuilder {
public:
    void AddPc(std::string file, std::string board, std::string biosVersion, const std::vector<FleetResult>& results);
    void AddSkipped(std::string file, std::string reason);
    FleetReport Finish();

private:
    // Category rank, item, online version, web path: two entries differ when their files do.
    using Key = std::tuple<int, std::string, std::string, std::string>;
    struct Entry {
        FleetUpdate update;
        std::size_t number = 0;  // set by Finish
    };
    using Entries = std::map<Key, Entry>;
    // A PC's needs point into the entries, which stay where they are as the map grows.
    struct PendingPc {
        FleetPc pc;
        std::vector<std::pair<Entries::const_iterator, std::string>> needs;
    };
    Entries updates_;
    std::vector<PendingPc> pcs_;
    std::vector<SkippedIdentity> skipped_;
};

// "37 of 50 PCs"
std::string PcCountText(int count, std::size_t pcTotal);

// Plain text for an 80-column terminal: the numbered summary lines, then one line per PC with
// the numbers of the updates it needs. Names too long for their column are cut with "~".
std::string FleetText(const FleetReport& report);
// A spreadsheet's CSV (UTF-8 with its mark, CRLF): one row per PC, one column per update
// marked "x", and a last row of counts. Every field is quoted; one that a spreadsheet would
// take for a formula gets a leading apostrophe.
std::string FleetCsv(const FleetReport& report);
JsonValue FleetJson(const FleetReport& report);
// One self-contained page: the summary first, the PC-by-update table below; no script, no
// file from elsewhere, every text escaped.
std::string FleetHtml(const FleetReport& report);

}  // namespace veltra
