#include "cli/update_commands.h"

#include "cli/check_command.h"
#include "cli/cli_options.h"
#include "cli/json.h"
#include "cli/plain_text.h"
#include "cli/result_report.h"
#include "cli/update_services.h"
#include "cli/update_session.h"
#include "core/text.h"
#include "platform/platform.h"
#include "update_pages/history_page.h"

namespace veltra {
namespace {

bool AllDownloaded(const std::vector<TransferRecord>& records) {
    for (const TransferRecord& record : records) {
        if (!record.ended || !record.result.empty()) return false;
    }
    return true;
}

JsonValue TransfersJson(const std::vector<TransferRecord>& records) {
    JsonValue::Array transfers;
    for (const TransferRecord& record : records) {
        JsonValue entry;
        entry.Add("url", Utf16ToUtf8(record.url));
        entry.Add("file", Utf16ToUtf8(record.path));
        entry.Add("outcome", OutcomeText(record));
        transfers.push_back(std::move(entry));
    }
    return transfers;
}

std::string TransferLines(const std::vector<TransferRecord>& records) {
    std::string lines;
    for (const TransferRecord& record : records) {
        lines += OutcomeText(record) + "\t" + PlainText(record.url) + "\t" + PlainText(record.path) + "\n";
    }
    return lines;
}

// The transfers, the messages and launch line, then the list as it stands now.
void PrintOutcome(TransferCommand command, const CliOptions& options, const UpdateSession& session, std::ostream& out) {
    const std::vector<TransferRecord>& records = session.transfers.Records();
    if (options.json) {
        JsonValue report = ResultJson(session.checkList.list);
        report.Add("transfers", TransfersJson(records));
        JsonValue::Array messages;
        for (const std::u16string& message : session.view.Messages()) messages.push_back(Utf16ToUtf8(message));
        report.Add("messages", std::move(messages));
        if (command == TransferCommand::Install) report.Add("launch", Utf16ToUtf8(session.page->LastLaunchLine()));
        if (command == TransferCommand::Scan) report.Add("lastScan", Utf16ToUtf8(session.view.LastScan()));
        out << report.Serialize() << '\n';
        return;
    }
    out << TransferLines(records);
    for (const std::u16string& message : session.view.Messages()) out << PlainText(message) << '\n';
    const std::u16string& launch = session.page->LastLaunchLine();
    // A file refused before its transfer leaves no record, and nothing was started.
    if (command == TransferCommand::Install && !records.empty() && AllDownloaded(records)) out << (launch.empty() ? "started" : PlainText(launch)) << '\n';
    out << ResultLines(session.checkList.list);
}

int OutcomeCode(const UpdateSession& session, bool launchCounts) {
    if (session.page->Engine().nRefusals > 0) return 1;
    // A record that could not be written: the next run would not know what this one did.
    if (!session.checkList.failure.empty() || !session.page->HistoryFailure().empty()) return 1;
    if (session.transfers.Records().empty() || !AllDownloaded(session.transfers.Records())) return 1;
    return launchCounts && !session.page->LastLaunchLine().empty() ? 1 : 0;
}

// Ticks the boxes of --categories on a manual scan; the VIDDID box follows MB Driver.
void ChooseScanBoxes(const CliOptions& options, UpdatePage& page) {
    if (!options.manualScan) return;
    page.SetManualScan();
    for (int box = 0; box < 6; ++box) page.SetCategoryBox(box, (options.categories & (1 << box)) != 0);
}

}  // namespace

int RunScanCommand(const CliOptions& options, Platform& platform, IWmi& wmi, UpdateServices& services, std::ostream& out,
                   std::ostream& err) {
    UpdateSession session(platform, services, err);
    if (!session.Open(options, wmi, err)) return session.exitCode;
    ChooseScanBoxes(options, *session.page);
    session.page->On_Download_Info_File();
    if (session.vt5.nSelectMask == 0) {
        err << "veltra-cli: no category selected: the viddid table is fetched with mb-driver\n";
        return 2;
    }
    session.WaitForListView();
    PrintOutcome(TransferCommand::Scan, options, session, out);
    return OutcomeCode(session, false);
}

int RunDownloadCommand(TransferCommand command, const CliOptions& options, Platform& platform, IWmi& wmi,
                       UpdateServices& services, std::ostream& out, std::ostream& err) {
    UpdateSession session(platform, services, err);
    if (!session.Open(options, wmi, err)) return session.exitCode;
    for (int index : options.rows) {
        const int row = session.ShowRecord(index);
        if (row == 0) {
            err << "veltra-cli: no update numbered " << index << " in the list (see list)\n";
            return 2;
        }
        if (command == TransferCommand::Install) {
            session.page->OnRowDownload(row);
        } else {
            session.page->OnRowTicked(row, true);
        }
    }
    if (command == TransferCommand::Download) session.page->Download_Button_Clicked();
    session.WaitForListView();
    PrintOutcome(command, options, session, out);
    return OutcomeCode(session, command == TransferCommand::Install);
}

int RunHistoryCommand(const CliOptions& options, Platform& platform, std::ostream& out, std::ostream& err) {
    VT5Record vt5;
    if (!IdentifyWorkFolder(options, platform, vt5, err)) return 1;
    HistoryFile history(platform.fileSystem, platform.codePage, HistoryPath(vt5.sWorkPath));
    ConsolePageView view(err, false);
    HistoryPage page(history, vt5, view);
    page.RefreshHistory();
    const HistoryList& list = page.List();
    if (!list.failure.empty()) return RecordRefused(list.failure, err);
    JsonValue::Array entries;
    for (int entry = 1; entry <= list.count; ++entry) {
        const HistoryRow& row = list.entries[static_cast<std::size_t>(entry)];
        if (!options.json) {
            for (std::size_t column : {0, 1, 2, 3}) out << PlainText(row[column]) << '\t';
            out << PlainText(row[4]) << '\n';
            continue;
        }
        JsonValue item;
        for (const auto& [name, column] : {std::pair{"number", 0}, {"date", 1}, {"type", 2}, {"item", 3}, {"version", 4}, {"description", 6}}) {
            item.Add(name, Utf16ToUtf8(row[static_cast<std::size_t>(column)]));
        }
        entries.push_back(std::move(item));
    }
    if (!options.json) {
        out << list.count << (list.count == 1 ? " download\n" : " downloads\n");
        return 0;
    }
    JsonValue report;
    report.Add("count", list.count);
    report.Add("entries", std::move(entries));
    out << report.Serialize() << '\n';
    return 0;
}

}  // namespace veltra
