#include <algorithm>

#include "cli/fleet_report.h"
#include "cli/plain_text.h"

namespace veltra {
namespace {

constexpr std::size_t kTerminalWidth = 80;
constexpr std::size_t kGap = 2;
// The widest the name columns get, so the update numbers keep room beside them.
constexpr std::size_t kBoardMax = 14;
constexpr std::size_t kBiosMax = 12;
constexpr std::size_t kFileMax = 26;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Characters as a terminal counts them (one per code point, wide scripts aside).
std::size_t Width(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return !IsContinuationByte(c); }));
}

// At most `width` characters: a longer text loses its end (or, keepEnd, its start) to "~".
std::string Cut(const std::string& utf8, std::size_t width, bool keepEnd = false) {
    if (Width(utf8) <= width) return utf8;
    std::size_t keep = width - 1;
    if (!keepEnd) {
        std::size_t at = 0;
        for (; at < utf8.size(); ++at) {
            if (!IsContinuationByte(utf8[at]) && keep-- == 0) break;
        }
        return utf8.substr(0, at) + "~";
    }
    std::size_t at = utf8.size();
    while (keep > 0) {
        --at;
        if (!IsContinuationByte(utf8[at])) --keep;
    }
    std::string cut = "~";
    return cut.append(utf8, at);
}

std::string Pad(const std::string& utf8, std::size_t width) { return utf8 + std::string(width - Width(utf8), ' '); }

std::string Plural(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string NumberColumn(std::size_t number, std::size_t width) {
    const std::string text = std::to_string(number);
    return std::string(width - text.size(), ' ') + text;
}

std::string SummaryLines(const FleetReport& report) {
    const std::size_t numberWidth = std::to_string(report.updates.size()).size();
    std::string lines;
    for (std::size_t i = 0; i < report.updates.size(); ++i) {
        const FleetUpdate& update = report.updates[i];
        const std::string count = ": " + PcCountText(update.pcCount, report.pcs.size());
        const std::size_t room = kTerminalWidth - numberWidth - kGap - Width(count);
        lines += NumberColumn(i + 1, numberWidth) + std::string(kGap, ' ') + Cut(PlainText(update.Label()), room) + count + "\n";
    }
    return lines;
}

struct Columns {
    std::size_t board = 5;  // at least the headings' widths
    std::size_t bios = 4;
    std::size_t file = 13;
    std::size_t Needs() const { return board + bios + file + 3 * kGap; }
};

Columns MeasureColumns(const FleetReport& report) {
    Columns columns;
    for (const FleetPc& pc : report.pcs) {
        columns.board = std::max(columns.board, std::min(Width(PlainText(pc.board)), kBoardMax));
        columns.bios = std::max(columns.bios, std::min(Width(PlainText(pc.biosVersion)), kBiosMax));
        columns.file = std::max(columns.file, std::min(Width(PlainText(pc.file)), kFileMax));
    }
    return columns;
}

// The numbers of the updates a PC needs, wrapped under their column.
std::string NeedsText(const FleetPc& pc, std::size_t indent) {
    if (pc.needs.empty()) return "none\n";
    std::string text;
    std::size_t column = indent;
    for (const FleetNeed& need : pc.needs) {
        const std::string number = std::to_string(need.update + 1);
        if (column != indent && column + 1 + number.size() > kTerminalWidth) {
            text += '\n';
            text.append(indent, ' ');
            column = indent;
        }
        if (column != indent) {
            text += ' ';
            ++column;
        }
        text += number;
        column += number.size();
    }
    return text + "\n";
}

std::string PcLines(const FleetReport& report) {
    const Columns columns = MeasureColumns(report);
    const std::string gap(kGap, ' ');
    std::string lines = Pad("Board", columns.board) + gap + Pad("BIOS", columns.bios) + gap +
                        Pad("Identity file", columns.file) + gap + "Updates\n";
    for (const FleetPc& pc : report.pcs) {
        lines += Pad(Cut(PlainText(pc.board), columns.board), columns.board) + gap;
        lines += Pad(Cut(PlainText(pc.biosVersion), columns.bios), columns.bios) + gap;
        lines += Pad(Cut(PlainText(pc.file), columns.file, true), columns.file) + gap;
        lines += NeedsText(pc, columns.Needs());
    }
    return lines;
}

// A field as a spreadsheet reads it back: quoted, quotes doubled, and never a formula.
std::string CsvField(const std::string& text) {
    const bool formula = !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
    std::string field = formula ? "\"'" : "\"";
    for (char c : text) {
        field += c;
        if (c == '"') field += c;
    }
    return field + "\"";
}

std::string CsvRow(const std::vector<std::string>& fields) {
    std::string row;
    for (const std::string& field : fields) {
        if (!row.empty()) row += ',';
        row += CsvField(field);
    }
    return row + "\r\n";
}

}  // namespace

std::string FleetText(const FleetReport& report) {
    std::string text = Plural(report.pcs.size(), "PC", "PCs") + ", " + Plural(report.updates.size(), "update", "updates") + "\n";
    text += SummaryLines(report);
    return text + "\n" + PcLines(report);
}

std::string FleetCsv(const FleetReport& report) {
    std::vector<std::string> heading = {"Identity file", "Board", "BIOS version"};
    std::vector<std::string> counts = {"PCs needing it", "", ""};
    for (const FleetUpdate& update : report.updates) {
        heading.push_back(update.Label());
        counts.push_back(std::to_string(update.pcCount));
    }
    std::string csv = "\xEF\xBB\xBF";  // the mark that makes a spreadsheet read UTF-8
    csv += CsvRow(heading);
    for (const FleetPc& pc : report.pcs) {
        std::vector<std::string> row = {pc.file, pc.board, pc.biosVersion};
        row.resize(3 + report.updates.size());
        for (const FleetNeed& need : pc.needs) row[3 + need.update].assign(1, 'x');
        csv += CsvRow(row);
    }
    return csv + CsvRow(counts);
}

}  // namespace veltra
