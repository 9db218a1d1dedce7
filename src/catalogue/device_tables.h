#pragma once
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace veltra {

class TextModeReader;

// One 64-byte row of "VIDDID.rec".
struct VidDidRow {
    static constexpr std::size_t kSize = 64;
    std::string kind;       // "R" marks a usable row
    std::string driverKey;  // matches DriverRow::driverKey
    std::string deviceIds;  // one or more "VEN_xxxx&DEV_xxxx" texts
    bool IsUsable() const;
};

// One 1114-byte row of "DRVList.rec" (the fields the check reads).
struct DriverRow {
    static constexpr std::size_t kSize = 1114;
    std::string driverKey;
    std::string systems;  // "ALL" or the OS codes the driver is for
    std::string version;
    std::string name;
    std::string webPath;
    std::string size;
    bool IsForSystem(const std::string& osCode) const;
};

// Rows as the server writes them: zero-filled, each text cut to its field minus the terminator.
std::vector<unsigned char> SerializeVidDidRow(const VidDidRow& row);
std::vector<unsigned char> SerializeDriverRow(const DriverRow& row);

// A table from its text form, one row a line with fields split by '|' ("kind|key|devices" or
// "key|systems|version|name|web path|size"); blank lines and lines from '#' are left out.
// Empty with a one-line error naming the line when a line has the wrong number of fields.
struct TableText {
    std::vector<unsigned char> bytes;
    std::string error;
};
TableText CompileVidDidTable(std::string_view text);
TableText CompileDriverTable(std::string_view text);

VidDidRow ParseVidDidRow(std::span<const unsigned char, VidDidRow::kSize> bytes);
DriverRow ParseDriverRow(std::span<const unsigned char, DriverRow::kSize> bytes);

// Every whole row from the start; a trailing partial row is left out.
std::vector<VidDidRow> ReadVidDidTable(IFile& file);
// "DRVList.rec" is read through text mode, as it has always been opened.
std::vector<DriverRow> ReadDriverTable(TextModeReader& reader);

}  // namespace veltra
