#pragma once
#include <ostream>

namespace veltra {

class IWmi;
struct CliOptions;
struct Platform;
struct UpdateServices;

// "scan": the catalogues from the update server, the checks, the result rows.
int RunScanCommand(const CliOptions& options, Platform& platform, IWmi& wmi, UpdateServices& services, std::ostream& out,
                   std::ostream& err);
// What a command that fetches does with the rows it is given.
enum class TransferCommand { Scan, Download, Install };

// "download N...": the ticked rows as one batch. "install N": one row, started after its transfer.
int RunDownloadCommand(TransferCommand command, const CliOptions& options, Platform& platform, IWmi& wmi,
                       UpdateServices& services, std::ostream& out, std::ostream& err);
// "history": the records of "History.rec".
int RunHistoryCommand(const CliOptions& options, Platform& platform, std::ostream& out, std::ostream& err);

}  // namespace veltra
