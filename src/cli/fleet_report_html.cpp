#include "cli/fleet_report.h"

namespace veltra {
namespace {

// The page's look, inline so the file stands alone. The wide PC table scrolls inside its own
// box on a phone instead of widening the page; on paper it is shown whole and its heading
// repeats on every sheet.
constexpr const char* kStyle =
    "body{font-family:sans-serif;color:#111;background:#fff;margin:0 auto;padding:12px;max-width:1100px}"
    "h1{font-size:1.4em;margin:0 0 12px}h2{font-size:1.15em;margin:0 0 8px}"
    "section{border:1px solid #888;border-radius:4px;padding:8px;margin-bottom:16px}"
    ".scroll{overflow-x:auto}.pcs td,.pcs th{white-space:nowrap}"
    "table{border-collapse:collapse}th,td{border:1px solid #bbb;padding:3px 6px;text-align:left;vertical-align:top}"
    "th{background:#e4e9f0}td{overflow-wrap:anywhere}"
    ".count,.mark{text-align:center;white-space:nowrap}.mark{font-weight:bold;background:#fde7c8}"
    "@media print{body{max-width:none;padding:0}.scroll{overflow:visible}tr{break-inside:avoid}"
    "thead{display:table-header-group}.mark{background:none}}";

std::string Escape(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string Cell(const char* tag, const std::string& text, const char* attributes = "") {
    return std::string("<") + tag + attributes + ">" + Escape(text) + "</" + tag + ">";
}

std::string Summary(const FleetReport& report) {
    std::string html = "<section><h2>Summary</h2><table><thead><tr><th>#</th><th>Update</th><th>PCs</th></tr></thead><tbody>";
    for (std::size_t i = 0; i < report.updates.size(); ++i) {
        const FleetUpdate& update = report.updates[i];
        html += "<tr>" + Cell("td", std::to_string(i + 1), " class=\"count\"") + Cell("td", update.Label()) +
                Cell("td", PcCountText(update.pcCount, report.pcs.size()), " class=\"count\"") + "</tr>";
    }
    return html + "</tbody></table></section>";
}

std::string PcTable(const FleetReport& report) {
    std::string html = "<section><h2>PCs</h2><div class=\"scroll\"><table class=\"pcs\"><thead><tr><th>Identity file</th>"
                       "<th>Board</th><th>BIOS</th>";
    for (std::size_t i = 0; i < report.updates.size(); ++i) {
        // The number stands for the summary's line; the label shows on pointing at it.
        html += "<th class=\"count\" title=\"" + Escape(report.updates[i].Label()) + "\">" + std::to_string(i + 1) + "</th>";
    }
    html += "</tr></thead><tbody>";
    for (const FleetPc& pc : report.pcs) {
        // The file's own name fits a phone; the whole path shows on pointing at it.
        const std::string title = " title=\"" + Escape(pc.file) + "\"";
        html += "<tr>" + Cell("td", pc.file.substr(pc.file.find_last_of("\\/") + 1), title.c_str()) + Cell("td", pc.board) +
                Cell("td", pc.biosVersion);
        std::size_t next = 0;
        for (const FleetNeed& need : pc.needs) {
            for (; next < need.update; ++next) html += "<td></td>";
            html += Cell("td", "x", " class=\"mark\"");
            next = need.update + 1;
        }
        for (; next < report.updates.size(); ++next) html += "<td></td>";
        html += "</tr>";
    }
    return html + "</tbody></table></div></section>";
}

}  // namespace

std::string FleetHtml(const FleetReport& report) {
    const std::string title = "Updates for " + std::to_string(report.pcs.size()) + (report.pcs.size() == 1 ? " PC" : " PCs");
    return "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\">"
           "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">"
           "<title>" + Escape(title) + "</title><style>" + kStyle + "</style></head><body><h1>" + Escape(title) + "</h1>" +
           Summary(report) + PcTable(report) + "</body></html>\n";
}

}  // namespace veltra
