#include "catalogue/device_tables.h"

#include <algorithm>
#include <array>

#include "core/byte_buffer.h"
#include "catalogue/text_compare.h"
#include "catalogue/text_mode_reader.h"

namespace veltra {

bool VidDidRow::IsUsable() const { return EqualsFoldingAtoZ(kind, "R"); }

bool DriverRow::IsForSystem(const std::string& osCode) const {
    // An empty code is no system the catalogue knows, so only "ALL" fits it.
    if (systems.find("ALL") != std::string::npos) return true;
    return !osCode.empty() && systems.find(osCode) != std::string::npos;
}

namespace {

template <typename Row>
struct RowField {
    std::string Row::*member;
    std::size_t offset;
    std::size_t size;
};

constexpr std::array<RowField<VidDidRow>, 3> kVidDidFields = {{
    {&VidDidRow::kind, 12, 2}, {&VidDidRow::driverKey, 14, 20}, {&VidDidRow::deviceIds, 34, 30}}};

constexpr std::array<RowField<DriverRow>, 6> kDriverFields = {{
    {&DriverRow::driverKey, 0, 96},   {&DriverRow::systems, 96, 306}, {&DriverRow::version, 402, 346},
    {&DriverRow::name, 748, 100},     {&DriverRow::webPath, 848, 256}, {&DriverRow::size, 1104, 10}}};

template <typename Row, std::size_t N>
Row ParseRow(std::span<const unsigned char> bytes, const std::array<RowField<Row>, N>& fields) {
    Row row;
    for (const auto& field : fields) row.*field.member = GetText(bytes, field.offset, field.size);
    return row;
}

template <typename Row, std::size_t N>
std::vector<unsigned char> SerializeRow(const Row& row, const std::array<RowField<Row>, N>& fields) {
    std::vector<unsigned char> bytes(Row::kSize, 0);
    for (const auto& field : fields) PutText(bytes, field.offset, field.size, row.*field.member);
    return bytes;
}

std::vector<std::string> SplitBars(std::string_view line) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t bar = line.find('|'); bar != std::string_view::npos; bar = line.find('|', start)) {
        parts.emplace_back(line.substr(start, bar - start));
        start = bar + 1;
    }
    parts.emplace_back(line.substr(start));
    return parts;
}

template <typename Row, std::size_t N>
TableText CompileTable(std::string_view text, const std::array<RowField<Row>, N>& fields) {
    TableText table;
    int lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        const std::vector<std::string> parts = SplitBars(line);
        if (parts.size() != N) return {{}, "line " + std::to_string(lineNumber) + ": " + std::to_string(N) + " fields expected"};
        Row row;
        for (std::size_t i = 0; i < N; ++i) row.*fields[i].member = parts[i];
        const std::vector<unsigned char> bytes = SerializeRow(row, fields);
        table.bytes.insert(table.bytes.end(), bytes.begin(), bytes.end());
    }
    return table;
}

}  // namespace

std::vector<unsigned char> SerializeVidDidRow(const VidDidRow& row) { return SerializeRow(row, kVidDidFields); }
std::vector<unsigned char> SerializeDriverRow(const DriverRow& row) { return SerializeRow(row, kDriverFields); }
TableText CompileVidDidTable(std::string_view text) { return CompileTable(text, kVidDidFields); }
TableText CompileDriverTable(std::string_view text) { return CompileTable(text, kDriverFields); }

VidDidRow ParseVidDidRow(std::span<const unsigned char, VidDidRow::kSize> bytes) {
    return ParseRow(std::span<const unsigned char>(bytes), kVidDidFields);
}

DriverRow ParseDriverRow(std::span<const unsigned char, DriverRow::kSize> bytes) {
    return ParseRow(std::span<const unsigned char>(bytes), kDriverFields);
}

std::vector<VidDidRow> ReadVidDidTable(IFile& file) {
    std::vector<VidDidRow> rows;
    std::array<unsigned char, VidDidRow::kSize> bytes{};
    file.Seek(0);
    while (file.Read(bytes.data(), bytes.size()) == bytes.size()) rows.push_back(ParseVidDidRow(bytes));
    return rows;
}

std::vector<DriverRow> ReadDriverTable(TextModeReader& reader) {
    std::vector<DriverRow> rows;
    std::array<unsigned char, DriverRow::kSize> bytes{};
    reader.Rewind();
    while (reader.Read(bytes.data(), bytes.size()) == bytes.size()) rows.push_back(ParseDriverRow(bytes));
    return rows;
}

}  // namespace veltra
