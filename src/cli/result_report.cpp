#include "cli/result_report.h"

#include "core/text.h"
#include "catalogue/result_list.h"
#include "cli/plain_text.h"

namespace veltra {
namespace {

enum Column : std::size_t { kFlag, kType, kItem, kCurrent, kOnline, kWebPath, kDescription, kIndex };

std::string Cell(const ResultRow& row, Column column) { return Utf16ToUtf8(row[column]); }
std::string PlainCell(const ResultRow& row, Column column) { return PlainText(row[column]); }

}  // namespace

std::string ResultLines(const ResultList& list) {
    std::string out;
    for (int i = 0; i < list.count; ++i) {
        const ResultRow& row = list.rows[static_cast<std::size_t>(i)];
        for (Column column : {kIndex, kType, kItem, kCurrent, kOnline}) out += PlainCell(row, column) + "\t";
        out += PlainCell(row, kWebPath) + "\n";
    }
    out += std::to_string(list.count) + (list.count == 1 ? " update\n" : " updates\n");
    return out;
}

JsonValue ResultJson(const ResultList& list) {
    JsonValue::Array rows;
    for (int i = 0; i < list.count; ++i) {
        const ResultRow& row = list.rows[static_cast<std::size_t>(i)];
        JsonValue entry;
        entry.Add("index", Cell(row, kIndex));
        entry.Add("flag", Cell(row, kFlag));
        entry.Add("type", Cell(row, kType));
        entry.Add("item", Cell(row, kItem));
        entry.Add("currentVersion", Cell(row, kCurrent));
        entry.Add("onlineVersion", Cell(row, kOnline));
        entry.Add("webPath", Cell(row, kWebPath));
        entry.Add("description", Cell(row, kDescription));
        rows.push_back(std::move(entry));
    }
    JsonValue root;
    root.Add("count", list.count);
    root.Add("rows", std::move(rows));
    return root;
}

}  // namespace veltra
