#include "cli/recorded_transfers.h"

namespace veltra {

bool RecordedTransfers::Start(const std::u16string& url, const std::u16string& path, const TransferRules& rules,
                              IDownloadEvents& events) {
    if (!inner_.Start(url, path, rules, events)) return false;
    records_.push_back({url, path, u"", false});
    return true;
}

std::u16string RecordedTransfers::Ended(std::u16string result) {
    if (!records_.empty()) {
        records_.back().result = result;
        records_.back().ended = true;
    }
    return result;
}

std::string OutcomeText(const TransferRecord& record) {
    if (!record.ended) return "not ended";
    if (record.result.empty()) return "downloaded";
    if (record.result == u"3") return "refused: not as the signed file list gives";
    if (record.result == u"4") return "not saved: the file could not be written in its folder";
    return record.result == u"1" ? "user break" : "Server is busy or connect fail";
}

}  // namespace veltra
