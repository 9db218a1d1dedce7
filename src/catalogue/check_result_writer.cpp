#include "core/categories.h"
#include "core/debug_log.h"
#include "core/vt5_record.h"
#include "catalogue/check_context.h"
#include "platform/code_page.h"

namespace veltra {

CheckRecord CheckResultWriter::Write(const ResultTexts& texts) {
    CheckRecord record;
    record.index = ++vt5_.resultCount;
    record.flag = "N";
    record.type = codePage_.ToAnsi(CategoryName(texts.code));
    record.item = codePage_.ToAnsi(texts.item);
    record.currentVersion = codePage_.ToAnsi(texts.currentVersion);
    record.onlineVersion = codePage_.ToAnsi(texts.onlineVersion);
    record.description = codePage_.ToAnsi(texts.description);
    record.size = codePage_.ToAnsi(texts.size);
    record.webPath = codePage_.ToAnsi(texts.webPath);
    const auto bytes = SerializeCheckRecord(record);
    if (file_ != nullptr && file_->SeekToEnd()) file_->Write(bytes.data(), bytes.size());
    return ParseCheckRecord(bytes);
}

void LogCheckRecord(const CheckRecord& record, ICodePage& codePage) {
    DebugLog(u"");
    DebugLog(u"=========================================");
    DebugLog(u"Type   = " + codePage.FromAnsi(record.type));
    DebugLog(u"Item  = " + codePage.FromAnsi(record.item));
    DebugLog(u"Curr Ver.   = " + codePage.FromAnsi(record.currentVersion));
    DebugLog(u"Online Ver. = " + codePage.FromAnsi(record.onlineVersion));
    DebugLog(u"Information = " + codePage.FromAnsi(record.description));
    DebugLog(u"WebPath     = " + codePage.FromAnsi(record.webPath));
}

}  // namespace veltra
