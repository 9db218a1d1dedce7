#include "catalogue/result_list.h"

#include "core/byte_buffer.h"
#include "core/record_file.h"
#include "core/text.h"
#include "core/vt5_record.h"
#include "catalogue/check_record.h"
#include "catalogue/text_compare.h"
#include "platform/code_page.h"

namespace veltra {
namespace {

std::u16string WithLineBreaks(std::u16string text) {
    for (const std::u16string_view mark : {u"[br]", u"[BR]"}) {
        for (std::size_t at = text.find(mark); at != std::u16string::npos; at = text.find(mark, at + 2)) {
            text.replace(at, mark.size(), u"\r\n");
        }
    }
    return text;
}

ResultRow RowOf(const CheckRecord& record, ICodePage& codePage) {
    return {codePage.FromAnsi(record.flag),           codePage.FromAnsi(record.type),
            codePage.FromAnsi(record.item),           codePage.FromAnsi(record.currentVersion),
            codePage.FromAnsi(record.onlineVersion),  codePage.FromAnsi(record.webPath),
            WithLineBreaks(codePage.FromAnsi(record.description)), DecimalText(record.index)};
}

}  // namespace

std::u16string CheckListPath(const std::u16string& workPath) {
    return RecordPath(workPath, u"VT5\\LOG", u"CheckList.rec");
}

void LoadCheckList(CheckListState& checkList, ICodePage& codePage, VT5Record& vt5) {
    ResultList& list = checkList.list;
    list = {};
    if (checkList.file && checkList.file->Seek(0)) {
        std::array<unsigned char, CheckRecord::kSize> bytes{};
        while (checkList.file->Read(bytes.data(), bytes.size()) == bytes.size()) {
            const CheckRecord record = ParseCheckRecord(bytes);
            if (EqualsFoldingAtoZ(record.state, "D")) continue;
            ++list.total;
            // The list holds 49 rows; counting on past them would send the page beyond its rows.
            if (static_cast<std::size_t>(list.count) == kResultRowCount) continue;
            list.rows[static_cast<std::size_t>(list.count++)] = RowOf(record, codePage);
        }
    }
    vt5.sUpdateCount = DecimalText(list.total);
}

void ReloadCheckList(IFileSystem& fileSystem, CheckListState& checkList, ICodePage& codePage, VT5Record& vt5) {
    checkList.file.reset();
    const std::u16string path = CheckListPath(vt5.sWorkPath);
    const int opened = OpenRecordFile(fileSystem, path, checkList.file, 1, 3);
    checkList.failure = checkList.file ? u"" : RecordOpenFailure(fileSystem, path, 3);
    if (opened == kRecordOpened) LoadCheckList(checkList, codePage, vt5);
}

bool MarkCheckRecordDownloaded(IFile& file, int index) {
    std::array<unsigned char, CheckRecord::kSize> bytes{};
    for (std::int64_t offset = 0; file.Seek(offset) && file.Read(bytes.data(), bytes.size()) == bytes.size();
         offset += static_cast<std::int64_t>(bytes.size())) {
        if (GetI32(bytes, 0) != index) continue;
        PutText(bytes, kCheckStateOffset, kCheckStateSize, "D");
        return file.Seek(offset) && file.Write(bytes.data(), bytes.size()) == bytes.size() && file.Flush();
    }
    return false;
}

}  // namespace veltra
