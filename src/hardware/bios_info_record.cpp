#include "hardware/bios_info_record.h"

#include <algorithm>
#include <string_view>

#include "platform/code_page.h"

namespace veltra {

std::u16string BiosInfoString(const BiosInfoRecord& record, std::size_t offset, ICodePage& codePage) {
    const auto begin = record.begin() + static_cast<std::ptrdiff_t>(offset);
    const auto fieldEnd = begin + static_cast<std::ptrdiff_t>(kBiosInfoStringBytes);
    const auto end = std::find(begin, fieldEnd, std::uint8_t{0});
    const std::string bytes(begin, end);
    return codePage.FromAnsi(bytes);
}

}  // namespace veltra
