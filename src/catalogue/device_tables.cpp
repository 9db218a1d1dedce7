#include "catalogue/device_tables.h"

#include <array>

#include "app/byte_fields.h"
#include "catalogue/text_compare.h"
#include "catalogue/text_mode_reader.h"

namespace veltra {

bool VidDidRow::IsUsable() const { return EqualsFoldingAtoZ(kind, "R"); }

bool DriverRow::IsForSystem(const std::string& osCode) const {
    // An empty code is no system the catalogue knows, so only "ALL" fits it.
    if (systems.find("ALL") != std::string::npos) return true;
    return !osCode.empty() && systems.find(osCode) != std::string::npos;
}

VidDidRow ParseVidDidRow(std::span<const unsigned char, VidDidRow::kSize> bytes) {
    return {GetText(bytes, 12, 2), GetText(bytes, 14, 20), GetText(bytes, 34, 30)};
}

DriverRow ParseDriverRow(std::span<const unsigned char, DriverRow::kSize> bytes) {
    return {GetText(bytes, 0, 96),    GetText(bytes, 96, 306),  GetText(bytes, 402, 346),
            GetText(bytes, 748, 100), GetText(bytes, 848, 256), GetText(bytes, 1104, 10)};
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
