// The binary files a scan reads: the two device tables and the result file. Any bytes,
// trailing partial records and fields without terminators included, must read without a
// fault, and rows never hold more than their fields.
#include <cstddef>
#include <cstdint>

#include "core/vt5_record.h"
#include "catalogue/device_tables.h"
#include "catalogue/result_list.h"
#include "catalogue/text_mode_reader.h"
#include "platform/memory_file.h"
#include "platform/windows1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    veltra::ReadOnlyMemoryFile file({data, size});
    if (veltra::ReadVidDidTable(file).size() != size / veltra::VidDidRow::kSize) __builtin_trap();
    veltra::TextModeReader reader(file);
    for (const veltra::DriverRow& row : veltra::ReadDriverTable(reader)) {
        if (row.driverKey.size() > 96 || row.size.size() > 10) __builtin_trap();
    }
    veltra::CheckListState checkList;
    checkList.file = std::make_unique<veltra::ReadOnlyMemoryFile>(std::span<const unsigned char>(data, size));
    veltra::Windows1252CodePage codePage;
    veltra::VT5Record vt5;
    veltra::LoadCheckList(checkList, codePage, vt5);
    if (checkList.list.count > 49 || static_cast<std::size_t>(checkList.list.count) > size / 988) __builtin_trap();
    if (veltra::MarkCheckRecordDownloaded(*checkList.file, 1)) __builtin_trap();  // the file is read-only
    return 0;
}
