#pragma once
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "catalogue/catalogue_files.h"
#include "catalogue/check_context.h"
#include "catalogue/result_list.h"
#include "cli/console_page_view.h"
#include "cli/recorded_transfers.h"
#include "core/last_scan.h"
#include "core/vt5_record.h"
#include "history/history.h"
#include "update_pages/update_page.h"

namespace veltra {

class IRegistry;
class IWmi;
struct CliOptions;
struct Platform;
struct UpdateServices;

// The update page hosted for one command, with everything it works on.
struct UpdateSession {
    UpdateSession(Platform& platform, UpdateServices& services, std::ostream& err);

    // Identifies the work folder and the machine, then sets the page up. False with a
    // message on err; exitCode tells which failure.
    bool Open(const CliOptions& options, IWmi& wmi, std::ostream& err);
    // Runs the message loop until the page is back in its list view.
    void WaitForListView();
    // Scrolls record `index` into the six visible rows and gives its visible row, 0 when
    // the list has no such record.
    int ShowRecord(int index);

    Platform& platform;
    UpdateServices& services;
    VT5Record vt5;
    CatalogueFileSet dbf;
    CheckListState checkList;
    std::unique_ptr<IInstalledVersions> installed;
    CheckResultWriter writer;
    std::unique_ptr<CheckContext> context;
    RecordedTransfers transfers;
    std::unique_ptr<HistoryFile> history;
    std::unique_ptr<LastScanRecord> lastScan;
    std::unique_ptr<UpdateTrust> trust;  // null when no key is pinned
    ConsolePageView view;
    std::unique_ptr<UpdatePage> page;
    int exitCode = 0;
};

}  // namespace veltra
